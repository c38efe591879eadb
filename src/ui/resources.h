// Resource ids shared by the code and the resource script.
#pragma once

#define VT_ICON_RESOURCE 1
#define VT_BANNER_RESOURCE 101

#ifdef __cplusplus
namespace vt::ui {
inline constexpr int kIconResource = VT_ICON_RESOURCE;
inline constexpr int kBannerResource = VT_BANNER_RESOURCE;
} // namespace vt::ui
#endif
