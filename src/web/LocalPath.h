#pragma once

#include <string>
#include <string_view>

#include "web/UrlDecode.h"

namespace pellucor {

/// Which local file of a URL UrlToLocalPath names: the file itself, or the copy of the page as
/// it was read from the server, whose file name carries the prefix "ZZOrg_".
enum class LocalName { Plain = 0, AsFetched = 1 };

/// The local file of a URL below the save folder (which ends with "/"; the relative path is put
/// right behind it). The host is dropped, so the files of every host share one tree:
/// "http://www.host/a/b.css" with "/s/" gives "/s/a/b.css", and as fetched "/s/a/ZZOrg_b.css";
/// "http://host/a/" as fetched gives "/s/a/ZZOrg_index.html".
///
/// The URL loses its fragment (from the first "#" on: no server sees it, and a browser looks
/// for the file without it), is decoded by the mode, loses scheme and "www" prefix, its first
/// "//" becomes "|", everything up to its first "/" (the host) goes, "\" becomes "/" and ":"
/// becomes ";"; the save folder is put in front and the whole made safe by MakeSafeFilePath.
///
/// However the URL is encoded ("%2e%2e", "..%5C", Base64), the result never climbs out of the
/// save folder: after decoding, a NUL byte ends the text, and path segments made of dots only
/// are dropped (segments after an "=http" are not, as their "/" become "~" and they stay one
/// name); a leading "/" is dropped too, so an empty save folder gives a relative path. A result
/// that would still lie outside the folder is refused with an empty text.
///
/// A text without "//" is no URL and comes back unchanged - not below the save folder, so a
/// writer must check every path with IsInsideFolder. Empty when decoding leaves nothing.
[[nodiscard]] std::string UrlToLocalPath(std::string_view url, std::string_view saveFolder,
                                         UrlDecodeMode mode, LocalName name = LocalName::Plain);

}  // namespace pellucor
