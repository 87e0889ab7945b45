#pragma once
// How the message after writing the list reads: the plain completion, or the
// completion followed by the file's path (when it may not be where the user
// looks first).

namespace fuda {

enum class ListPathShown { No, Yes };

}  // namespace fuda
