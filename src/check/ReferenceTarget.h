#pragma once

#include <string>
#include <string_view>

// Where a reference of a saved page leads when a browser opens the page from the disk: the
// reference is read as the URL it is (blanks trimmed, tabs and line ends dropped, "\" as "/")
// and resolved against the document's base, a file:// location or, under a base tag, a web
// address.
namespace pellucor {

/// What a document's references are resolved against.
enum class BaseKind { LocalFile, Web };

struct ReferenceBase {
  BaseKind kind = BaseKind::LocalFile;
  /// For LocalFile the absolute path of the document as the system names it (UTF-8 on Linux,
  /// no "." or ".." segments); a path ending in "/" is a folder. For Web the absolute http:,
  /// https: or ftp: URL.
  std::string location;
};

enum class TargetKind {
  Ignored,     // loads nothing to check: empty, "#...", data:, blob:, javascript:, about:, mailto:
  LocalFile,   // a file on the disk
  Web,         // still goes to the web
  Unloadable,  // a browser cannot load it from the disk at all: another scheme, a file: URL
               // of another host, a name that decodes to a NUL byte or holds an encoded "/"
};

struct ReferenceTarget {
  TargetKind kind = TargetKind::Ignored;
  /// LocalFile: the file's absolute path, percent-decoded, without query and fragment (a
  /// browser loading "a.css?v=1" from the disk reads the file "a.css"). Web: the absolute URL
  /// without fragment, or the reference as written when it is protocol-relative under a local
  /// base. Unloadable: the reference as read. Empty for Ignored.
  std::string location;
};

/// The target of `reference` in a document whose base is `base`. Scheme names count in any
/// case. http:, https: and ftp: URLs and protocol-relative ones ("//host/x") are Web; a file:
/// URL is LocalFile when it names no host or "localhost"; a relative or root-relative
/// reference takes the base's kind ("/x" under a local base is the file "/x" of the system
/// root, as a browser reads it). Dot segments are removed before percent-decoding, "%2e"
/// counting as ".", and never climb above the root.
[[nodiscard]] ReferenceTarget ResolveReference(std::string_view reference,
                                               const ReferenceBase& base);

/// The base of a document whose own location is `document` and whose first <base> tag with an
/// href has `href`: a web address makes the base Web, a relative or file: one a LocalFile
/// location (a folder when it ends with "/"). An href that resolves to nothing loadable (empty,
/// data:, another scheme) leaves `document` as it is, as browsers fall back to the document's
/// own address.
[[nodiscard]] ReferenceBase ApplyBaseHref(std::string_view href, const ReferenceBase& document);

}  // namespace pellucor
