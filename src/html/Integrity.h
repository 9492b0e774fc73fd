#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace pellucor {

/// The integrity attribute taken out of every <link> and <script> start tag (any case) whose
/// reference (the href of a link, the src of a script, as the page writes it) `rewritten` says
/// the run changed: the digest names the bytes as served, and a browser refuses a file whose
/// bytes differ. The tags of files left as they came keep theirs. A tag without its ">" ends
/// the walk.
void RemoveIntegrityOf(std::string& page,
                       const std::function<bool(std::string_view reference)>& rewritten);

}  // namespace pellucor
