// Must not build: the document needs no network, keyring or audio library,
// so the publishing layer's headers are not there for it.
#include "publishing/PublishSettings.h"
