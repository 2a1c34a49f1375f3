#pragma once

#include "panes/ElementForm.h"

// The notes beside the fields of the properties pages, by kind of value.
namespace FieldChecks {

CElementForm::Check date();
CElementForm::Check email();
CElementForm::Check url();
CElementForm::Check integer(int minimum, int maximum);
CElementForm::Check mimeType();
CElementForm::Check language();

} // namespace FieldChecks
