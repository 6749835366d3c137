// Batches let an accelerated device send many small quads at once. Our copies
// are immediate and in order, so a batch has nothing to collect and changes
// nothing that is seen; the calls exist so callers keep their structure.
#pragma once

#include "draw/DrawDevice.h"

namespace vh::draw {

inline void DDBeginBatch(DrawDevice& /*dd*/, int /*mode*/) {}
inline void DDEndBatch(DrawDevice& /*dd*/) {}

}  // namespace vh::draw
