#pragma once

#include <string>

// The Song-style CJK face the badge text is drawn in. Under Wine the face is
// loaded privately from the Debian font file while the object lives, so the
// output does not depend on the prefix's font settings; elsewhere (Windows)
// the system's SimSun is used.
class CjkFont {
public:
    CjkFont();
    ~CjkFont();
    CjkFont(const CjkFont&) = delete;
    CjkFont& operator=(const CjkFont&) = delete;

    const std::wstring& Face() const { return face_; }

private:
    bool loaded_ = false;
    std::wstring face_;
};
