#pragma once
// Whether the tests run under AddressSanitizer, where a run costs many
// times as much: the heavy checks then take a smaller share of their cases.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool underSanerare = true;
#elif defined(__has_feature)
inline constexpr bool underSanerare = __has_feature(address_sanitizer);
#else
inline constexpr bool underSanerare = false;
#endif
