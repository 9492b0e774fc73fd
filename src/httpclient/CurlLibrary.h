#pragma once

// libcurl's types and constants only: its functions are reached through CurlLibrary, so that
// the programs start without loading libcurl and the thirty libraries it brings with it.
#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>

namespace pellucor {

/// The libcurl entry points the client uses, loaded from the shared library on first use.
/// Every command of the command-line tool paid some 15 ms at start for loading libcurl and its
/// dependencies (TLS, SSH, LDAP, Kerberos...), also those that never fetch anything.
struct CurlLibrary {
  CURLcode (*global_init)(long flags);
  CURL* (*easy_init)();
  void (*easy_cleanup)(CURL* handle);
  void (*easy_reset)(CURL* handle);
  CURLcode (*easy_setopt)(CURL* handle, CURLoption option, ...);
  CURLcode (*easy_getinfo)(CURL* handle, CURLINFO info, ...);
  const char* (*easy_strerror)(CURLcode code);
  curl_slist* (*slist_append)(curl_slist* list, const char* text);
  void (*slist_free_all)(curl_slist* list);
  CURLM* (*multi_init)();
  CURLMcode (*multi_cleanup)(CURLM* multi);
  CURLMcode (*multi_setopt)(CURLM* multi, CURLMoption option, ...);
  CURLMcode (*multi_add_handle)(CURLM* multi, CURL* handle);
  CURLMcode (*multi_remove_handle)(CURLM* multi, CURL* handle);
  CURLMcode (*multi_perform)(CURLM* multi, int* running);
  CURLMsg* (*multi_info_read)(CURLM* multi, int* queued);
  CURLMcode (*multi_poll)(CURLM* multi, curl_waitfd* extra, unsigned int count, int timeoutMs,
                          int* ready);
};

/// The library, loaded and globally initialised once (safe from any thread); nullptr when
/// libcurl cannot be loaded or lacks one of the entry points, which a fetch then reports as a
/// failure of the network library.
[[nodiscard]] const CurlLibrary* LoadCurlLibrary();

}  // namespace pellucor
