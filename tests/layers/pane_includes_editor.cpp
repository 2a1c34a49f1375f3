// Must not build: the panes do not see the editor's headers.
#include "editor/RSSEditView.h"
