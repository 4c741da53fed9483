// CXMRUN2A.DLL: the colour-matching runtime. It converts 24-bit pixels in place from a scanner profile to
// a display profile with the system's colour management (mscms), one entry:
//
//   BOOL WINAPI DoColorMatch2(HDC reserved, const BITMAPINFOHEADER* header, BYTE* pixels,
//                             const char* scannerProfile, const char* displayProfile, DWORD flags)
//
//   reserved        must be null (a device whose own profile would be the destination is not supported).
//   header, pixels  the bitmap: 24 bits per pixel, uncompressed, rows of blue, green, red padded to 4 bytes.
//   scannerProfile  file name of the source profile, looked up in the Windows directory's "\system\color\".
//   displayProfile  file name of the destination profile there; null for the display profile "mon17k65.icm".
//   flags           low word: bytes per pixel, always 3; high word: the rendering intent
//                   (0 perceptual, 1 relative colorimetric, 2 saturation, 3 absolute colorimetric).
//                   The user interface passes 0x10003: 24-bit pixels, relative colorimetric.
//
// Returns TRUE when the pixels were converted; on FALSE they are untouched. The caller converts every
// redraw of its preview, so the transform of each profile pair and intent is built once and kept until
// the library is unloaded.
#include <windows.h>

#include <icm.h>

#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr char kDefaultDisplayProfile[] = "mon17k65.icm";
constexpr DWORD kBytesPerPixel = 3;
constexpr DWORD kLastIntent = INTENT_ABSOLUTE_COLORIMETRIC;

using TransformKey = std::tuple<std::string, std::string, DWORD>;

std::map<TransformKey, HTRANSFORM>& Transforms() {
    static std::map<TransformKey, HTRANSFORM> transforms;
    return transforms;
}

std::string ProfilePath(const char* name) {
    char folder[MAX_PATH] = {};
    const UINT length = ::GetWindowsDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    return std::string(folder, length) + "\\system\\color\\" + name;
}

HPROFILE OpenProfile(const std::string& path) {
    PROFILE profile{};
    profile.dwType = PROFILE_FILENAME;
    profile.pProfileData = const_cast<char*>(path.c_str());
    profile.cbDataSize = static_cast<DWORD>(path.size() + 1);
    return ::OpenColorProfileA(&profile, PROFILE_READ, FILE_SHARE_READ, OPEN_EXISTING);
}

HTRANSFORM CreateTransform(const char* scanner, const char* display, DWORD intent) {
    const std::string scannerPath = ProfilePath(scanner);
    const std::string displayPath = ProfilePath(display);
    if (scannerPath.empty() || displayPath.empty()) {
        return nullptr;
    }
    HPROFILE profiles[2] = {OpenProfile(scannerPath), OpenProfile(displayPath)};
    HTRANSFORM transform = nullptr;
    if (profiles[0] && profiles[1]) {
        DWORD intents[2] = {intent, intent};
        transform = ::CreateMultiProfileTransform(profiles, 2, intents, 2, BEST_MODE, INDEX_DONT_CARE);
    }
    for (HPROFILE profile : profiles) {
        if (profile) {
            ::CloseColorProfile(profile);
        }
    }
    return transform;
}

// The transform of the pair, built at its first use; a pair that failed is tried again next time, so a
// profile installed later takes effect.
HTRANSFORM TransformFor(const char* scanner, const char* display, DWORD intent) {
    TransformKey key{scanner, display, intent};
    auto found = Transforms().find(key);
    if (found != Transforms().end()) {
        return found->second;
    }
    HTRANSFORM transform = CreateTransform(scanner, display, intent);
    if (transform) {
        Transforms().emplace(std::move(key), transform);
    }
    return transform;
}

void ReleaseTransforms() {
    for (const auto& entry : Transforms()) {
        ::DeleteColorTransform(entry.second);
    }
    Transforms().clear();
}

bool ValidName(const char* name) {
    return name && name[0] && std::strlen(name) < MAX_PATH && !std::strpbrk(name, "\\/:");
}

}  // namespace

extern "C" BOOL WINAPI DoColorMatch2(HDC reserved,
                                     const BITMAPINFOHEADER* header,
                                     BYTE* pixels,
                                     const char* scannerProfile,
                                     const char* displayProfile,
                                     DWORD flags) {
    const DWORD intent = HIWORD(flags);
    if (reserved || !header || !pixels || LOWORD(flags) != kBytesPerPixel || intent > kLastIntent) {
        return FALSE;
    }
    if (!displayProfile) {
        displayProfile = kDefaultDisplayProfile;
    }
    if (!ValidName(scannerProfile) || !ValidName(displayProfile)) {
        return FALSE;
    }
    if (header->biBitCount != 24 || header->biCompression != BI_RGB || header->biWidth <= 0 || header->biHeight == 0 ||
        header->biWidth > 0x7FFFFFFF / 3) {
        return FALSE;
    }
    const DWORD width = static_cast<DWORD>(header->biWidth);
    // Top-down bitmaps have a negative height; the conversion does not care about the row order.
    const DWORD height =
        header->biHeight < 0 ? 0u - static_cast<DWORD>(header->biHeight) : static_cast<DWORD>(header->biHeight);
    const DWORD stride = (width * kBytesPerPixel + 3) & ~DWORD{3};
    if (height > 0xFFFFFFFFu / stride) {
        return FALSE;
    }
    HTRANSFORM transform = TransformFor(scannerProfile, displayProfile, intent);
    if (!transform) {
        return FALSE;
    }
    // Converted into a separate buffer: the system does not promise that source and destination may overlap.
    std::vector<BYTE> converted(static_cast<size_t>(stride) * height);
    if (!::TranslateBitmapBits(transform, pixels, BM_RGBTRIPLETS, width, height, stride, converted.data(),
                               BM_RGBTRIPLETS, stride, nullptr, 0)) {
        return FALSE;
    }
    // Row by row, so that the padding stays as it was.
    for (DWORD row = 0; row < height; ++row) {
        std::memcpy(pixels + size_t{row} * stride, converted.data() + size_t{row} * stride, width * kBytesPerPixel);
    }
    return TRUE;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    // At process exit (reserved not null) the system may already have unloaded mscms: leave it alone.
    if (reason == DLL_PROCESS_DETACH && !reserved) {
        ReleaseTransforms();
    }
    return TRUE;
}
