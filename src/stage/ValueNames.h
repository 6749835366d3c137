// Names shown in place of some parameter values ("ﾅｼ", "ON", "ﾑﾃｷ"), and the
// text a property page shows for a value.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "stage/ParamDesc.h"
#include "stage/SjisLabel.h"

namespace vh::stage {

struct ValueName {
  int value;
  SjisLabel name;  // Shift-JIS
};

// The names of one parameter of one record kind (empty when it has none).
std::span<const ValueName> ValueNamesOf(RecordKind record, int index);

// The name of a stored value. Values are matched as signed bytes, so an
// unsigned 255 finds the name listed for it.
std::optional<std::string_view> FindValueName(RecordKind record, int index, int value);

// What a property page shows for a byte parameter: "----" when it does not
// apply, else its value name, else the number ("%2d", or "%2u" for unsigned
// fields). Shift-JIS.
std::string FormatParamValue(RecordKind record, int index, const ParamDesc& desc, int value);

}  // namespace vh::stage
