#pragma once

#include <QString>

#include "fault.h"

namespace trelvin {

// What the user reads when a Compute run stops: the kind of fault and where
// it happened, in the words of the window's captions.
QString faultMessage(const Fault& fault);

}  // namespace trelvin
