#pragma once
// The host's shared picture object: a bitmap, icon or metafile handle with its size
// in HIMETRIC units. An empty picture has handle 0. Pictures remember where they came
// from so that a saved property bag can refer to them.
#include <cstdint>
#include <memory>
#include <string>

namespace host {

enum class PictureType : int16_t { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, EnhMetafile = 4 };

struct PictureSource {
    // Data: the picture itself, as a .bmp file in base64, for a picture made in
    // memory that no resource or file holds.
    enum class Kind { Empty, Resource, File, Data } kind = Kind::Empty;
    std::wstring name;  // resource name, file path or base64 data
    bool operator==(const PictureSource&) const = default;
};

class Picture;
using PicturePtr = std::shared_ptr<Picture>;

class Picture {
public:
    // Takes ownership of the handle (deleted with the picture).
    Picture(PictureType type, uintptr_t handle, int32_t widthHimetric, int32_t heightHimetric, PictureSource source);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    PictureType Type() const { return type_; }
    uintptr_t Handle() const { return handle_; }
    int32_t Width() const { return width_; }    // HIMETRIC
    int32_t Height() const { return height_; }  // HIMETRIC
    const PictureSource& Source() const { return source_; }
    // Where the picture can be loaded from again: its source, or for a bitmap made
    // in memory its own pixels as data. Error 481 for other pictures without one.
    PictureSource SavedSource() const;
    bool IsEmpty() const { return handle_ == 0; }

private:
    PictureType type_;
    uintptr_t handle_;
    int32_t width_;
    int32_t height_;
    PictureSource source_;
};

// LoadPicture(): an empty picture (handle 0).
PicturePtr LoadPicture();
// LoadPicture(file): a .bmp or .ico file; a missing or unreadable file raises
// error 53 (file not found) or 481 (invalid picture).
PicturePtr LoadPicture(const std::wstring& file);
// A bitmap or icon resource of this executable, by name; one picture object for
// a name while any holder keeps it.
PicturePtr LoadResPicture(const std::wstring& name);
// Resolves a stored reference (used when loading bags and design data).
PicturePtr LoadPictureFromSource(const PictureSource& source);
// Wraps a bitmap handle made by the caller (ownership passes to the picture).
PicturePtr PictureFromBitmap(uintptr_t hbitmap);

}  // namespace host
