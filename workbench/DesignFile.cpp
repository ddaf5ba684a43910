#include "workbench/DesignFile.h"

#include <memory>
#include <string_view>

namespace workbench {

namespace {

constexpr int kFileAccessError = 75;  // the host's "Path/File access error"

struct HandleCloser {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

FileHandle OpenFile(const std::wstring& path, DWORD access, DWORD disposition) {
    HANDLE h = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return FileHandle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

[[noreturn]] void RaiseSystemError(int number) {
    DWORD code = GetLastError();
    wchar_t* text = nullptr;
    DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length ? std::wstring(text, length) : L"system error " + std::to_wstring(code);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
        message.pop_back();
    host::Raise(number, message);
}

std::wstring FromUtf8(std::string_view bytes) {
    int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
    return text;
}

bool WriteAll(HANDLE h, const std::string& bytes) {
    DWORD written = 0;
    return WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
}

}  // namespace

std::string ToUtf8(std::wstring_view text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

std::wstring ReadTextFile(const std::wstring& path) {
    FileHandle file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
    if (!file) RaiseSystemError(host::err::FileNotFound);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) RaiseSystemError(host::err::FileNotFound);
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        RaiseSystemError(host::err::FileNotFound);
    bytes.resize(read);
    return FromUtf8(bytes);
}

void WriteTextFile(const std::wstring& path, const std::wstring& text) {
    FileHandle file = OpenFile(path, GENERIC_WRITE, CREATE_ALWAYS);
    if (!file || !WriteAll(file.get(), ToUtf8(text))) RaiseSystemError(kFileAccessError);
}

bool FileStamp::operator==(const FileStamp& other) const {
    return CompareFileTime(&written, &other.written) == 0 && size == other.size;
}

FileStamp StampOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    FileStamp stamp;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return stamp;
    stamp.written = data.ftLastWriteTime;
    stamp.size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return stamp;
}

std::wstring DescribeFailure(const std::wstring& file, const host::HostError& error) {
    if (auto* format = dynamic_cast<const host::TextFormatError*>(&error))
        return file + L", line " + std::to_wstring(format->Line()) + L": " + format->Problem();
    return file + L": " + error.Description();
}

void WriteErrorLine(const std::wstring& line) {
    std::string bytes = ToUtf8(line + L"\n");
    HANDLE stream = GetStdHandle(STD_ERROR_HANDLE);
    if (stream && stream != INVALID_HANDLE_VALUE && GetFileType(stream) != FILE_TYPE_UNKNOWN) {
        WriteAll(stream, bytes);
        return;
    }
    // A windowed program started from a console has no standard streams of its own.
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    FileHandle console = OpenFile(L"CONOUT$", GENERIC_WRITE, OPEN_EXISTING);
    std::wstring text = line + L"\r\n";
    DWORD written = 0;
    if (console) WriteConsoleW(console.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace workbench
