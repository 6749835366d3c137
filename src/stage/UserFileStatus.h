#pragma once

namespace vh::stage {

// How reading one of the small user files went. A damaged file is treated as
// missing (defaults or zeros), and is only replaced when the program writes
// the file anew.
enum class UserFileStatus { Loaded, Missing, Damaged };

}  // namespace vh::stage
