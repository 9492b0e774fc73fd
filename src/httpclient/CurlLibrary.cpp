#include "httpclient/CurlLibrary.h"

#include <dlfcn.h>

#include <mutex>

namespace pellucor {
namespace {

// The ABI name libcurl has kept since 7.16: every libcurl 7 and 8 answers to it.
constexpr const char* kLibraryName = "libcurl.so.4";

template <typename Function>
bool Resolve(void* library, const char* name, Function*& function) {
  function = reinterpret_cast<Function*>(dlsym(library, name));
  return function != nullptr;
}

bool Load(CurlLibrary& curl) {
  // Never closed: the library stays for the life of the process, as a linked one would.
  void* library = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return false;
  const bool complete = Resolve(library, "curl_global_init", curl.global_init) &&
                        Resolve(library, "curl_easy_init", curl.easy_init) &&
                        Resolve(library, "curl_easy_cleanup", curl.easy_cleanup) &&
                        Resolve(library, "curl_easy_reset", curl.easy_reset) &&
                        Resolve(library, "curl_easy_setopt", curl.easy_setopt) &&
                        Resolve(library, "curl_easy_getinfo", curl.easy_getinfo) &&
                        Resolve(library, "curl_easy_strerror", curl.easy_strerror) &&
                        Resolve(library, "curl_slist_append", curl.slist_append) &&
                        Resolve(library, "curl_slist_free_all", curl.slist_free_all) &&
                        Resolve(library, "curl_multi_init", curl.multi_init) &&
                        Resolve(library, "curl_multi_cleanup", curl.multi_cleanup) &&
                        Resolve(library, "curl_multi_setopt", curl.multi_setopt) &&
                        Resolve(library, "curl_multi_add_handle", curl.multi_add_handle) &&
                        Resolve(library, "curl_multi_remove_handle", curl.multi_remove_handle) &&
                        Resolve(library, "curl_multi_perform", curl.multi_perform) &&
                        Resolve(library, "curl_multi_info_read", curl.multi_info_read) &&
                        Resolve(library, "curl_multi_poll", curl.multi_poll);
  return complete && curl.global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
}

}  // namespace

const CurlLibrary* LoadCurlLibrary() {
  static CurlLibrary curl{};
  static bool loaded = false;
  static std::once_flag once;
  std::call_once(once, [] { loaded = Load(curl); });
  return loaded ? &curl : nullptr;
}

}  // namespace pellucor
