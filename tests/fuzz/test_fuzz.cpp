// The host's readers and picture loaders fed past failures and seeded random edits of good inputs: any crash, foreign
// exception, error without its line, slow input, runaway memory, GDI growth or failed round trip fails. tools/fuzz
// steers longer runs with FUZZ_SECONDS, FUZZ_SEED, FUZZ_START, FUZZ_SAVE, FUZZ_PROGRESS and FUZZ_DUMP.
#include <gtest/gtest.h>
#include <windows.h>

#include <psapi.h>

#include <atomic>
#include <chrono>
#include <cwchar>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <thread>

#include "GdiObjectCount.h"
#include "Mutator.h"
#include "host/design/DesignData.h"
#include "host/forms/FormBuilder.h"
#include "host/stock/Image.h"
#include "host/design/PropertyBag.h"
#include "host/values/Runtime.h"
#include "host/design/TextLiteral.h"
#include "host/values/Text.h"

using namespace host;
using namespace fuzz;
namespace fs = std::filesystem;

namespace {

constexpr std::chrono::seconds kSuiteRun{4};
constexpr uint64_t kSuiteSeed = 14;
constexpr DWORD kSlowInputMs = 5000;
constexpr SIZE_T kMemoryBound = 1024u * 1024 * 1024;
constexpr int kBuildsPerLedgerCheck = 3;
constexpr int kEveryNthBuildChecked = 16;
// Longer forms are only parsed: Wine's multi-line edit is quadratic in its text.
constexpr size_t kLongestBuiltForm = 8000;

using Problem = std::optional<std::string>;

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

std::optional<std::wstring> Setting(const wchar_t* name) {
    const wchar_t* value = _wgetenv(name);
    return value && *value ? std::optional<std::wstring>(value) : std::nullopt;
}

uint64_t NumberSetting(const wchar_t* name, uint64_t fallback) {
    auto text = Setting(name);
    return text ? std::wcstoull(text->c_str(), nullptr, 10) : fallback;
}

struct QuietEffects : SideEffects {
    int ShowMessageBox(HWND, const std::wstring&, const std::wstring&, unsigned) override {
        ++messages;
        return IDOK;
    }
    int messages = 0;
    void EndProgram(int) override {}
    bool PlaySoundFile(const std::string&, unsigned) override { return true; }
    intptr_t OpenWithShell(HWND, const std::wstring&, const std::wstring&, const std::wstring&, const std::wstring&,
                           int) override {
        return 42;
    }
    void NavigateTo(const std::wstring&) override {}
};

void PumpPending() {
    MSG msg;
    for (int i = 0; i < 1000 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool IsFontOrPicture(const Variant& v) { return v.Type() == VarType::Font || v.Type() == VarType::Picture; }

struct Differs : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A format error is a fair answer; so is any host error unless `lineNeeded`.
template <class Fn>
Problem HostErrorsOnly(bool lineNeeded, Fn step) {
    try {
        step();
    } catch (const TextFormatError&) {
    } catch (const HostError& e) {
        if (lineNeeded) return "an error without its line: " + Narrow(e.Description());
    } catch (const Differs& e) {
        return e.what();
    } catch (const std::exception& e) {
        return std::string("an exception that is no host error: ") + e.what();
    } catch (...) {
        return "an unknown exception";
    }
    return std::nullopt;
}

std::atomic<uint64_t> g_inputStarted{0};

// A hung input ends the process; tools/fuzz saves it by its number.
void StartWatchdog() {
    static bool started = [] {
        std::thread([] {
            for (;;) {
                Sleep(100);
                uint64_t began = g_inputStarted;
                if (began && GetTickCount64() - began > kSlowInputMs) {
                    std::cout << "fuzz: an input slower than " << kSlowInputMs << " ms" << std::endl;
                    TerminateProcess(GetCurrentProcess(), 3);
                }
            }
        }).detach();
        return true;
    }();
    (void)started;
}

struct Counts {
    uint64_t tried = 0, accepted = 0;
};

class Harness {
public:
    Problem Try(const Input& input, uint64_t number) {
        Counts& counts = counts_[static_cast<int>(input.target)];
        ++counts.tried;
        accepted_ = false;
        g_inputStarted = GetTickCount64();
        Problem problem = Dispatch(input, number);
        g_inputStarted = 0;
        counts.accepted += accepted_;
        PROCESS_MEMORY_COUNTERS_EX memory{};
        GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
        if (!problem && memory.PrivateUsage > kMemoryBound) problem = "memory over its bound";
        return problem;
    }

    void PrintCounts(uint64_t failures, int reported) const {
        std::cout << "fuzz:";
        for (int t = 0; t < 5; ++t)
            std::cout << " " << NameOf(Target(t)) << " " << counts_[t].tried << " (" << counts_[t].accepted
                      << " accepted)";
        std::cout << "; " << builds_ << " forms built, " << reported << " errors reported by shown forms; " << failures
                  << " failures" << std::endl;
    }

private:
    Problem Dispatch(const Input& input, uint64_t number) {
        switch (input.target) {
        case Target::Design: return TryDesign(input.text, number);
        case Target::Bag:
            return HostErrorsOnly(true, [&] {
                RoundTrip(
                    "bag", input.text, [](const std::wstring& t) { return PropertyBag::LoadText(t); },
                    [](auto& bag) { return bag.SaveText(); }, [](auto& a, auto& b) { return a.Keys() == b.Keys(); });
                accepted_ = true;
            });
        case Target::Literal:
            return HostErrorsOnly(true, [&] {
                RoundTrip(
                    "value", input.text, [](const std::wstring& t) { return ParseLiteral(t, 1); },
                    [](auto& value) { return FormatLiteral(value); },
                    [](auto& a, auto& b) { return IsFontOrPicture(a) || b.SameAs(a); });
                accepted_ = true;
            });
        case Target::Bitmap:
        case Target::Icon: return TryPicture(input);
        }
        return std::nullopt;
    }

    Problem TryDesign(const std::wstring& text, uint64_t number) {
        std::optional<DesignNode> root;
        if (Problem p = HostErrorsOnly(true, [&] { root = ParseDesignData(text); }); p || !root) return p;
        accepted_ = true;
        if (text.size() > kLongestBuiltForm) return std::nullopt;
        if (number % kEveryNthBuildChecked != 0) return Build(*root, number % 2 == 0);
        int first = 0;
        for (int i = 0; i < kBuildsPerLedgerCheck; ++i) {
            if (Problem p = Build(*root, true)) return p;
            if (i == 0) first = testsupport::CountLiveGdiObjects();
        }
        int last = testsupport::CountLiveGdiObjects();
        if (last > first) return "GDI objects grew by " + std::to_string(last - first) + " over repeated builds";
        return std::nullopt;
    }

    Problem Build(const DesignNode& root, bool show) {
        ++builds_;
        Problem problem = HostErrorsOnly(true, [&] {
            Form form(L"Fuzz");
            BuildForm(form, root);
            if (show) {
                form.Show();
                RedrawWindow(form.hWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                PumpPending();
            }
        });
        PumpPending();
        ResetEnding();
        return problem;
    }

    // What was accepted once must read back from its own saved text as itself.
    template <class Read, class Save, class Same>
    static void RoundTrip(const char* what, const std::wstring& text, Read read, Save save, Same same) {
        auto value = read(text);
        std::wstring saved = save(value);
        auto back = [&] {
            try {
                return read(saved);
            } catch (const HostError& e) {
                throw Differs("its saved text is refused (" + Narrow(e.Description()) + "): " + Narrow(saved));
            }
        }();
        if (save(back) != saved || !same(value, back))
            throw Differs(std::string("the ") + what + " changed on its way through its text: " + Narrow(saved));
    }

    Problem TryPicture(const Input& input) {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        fs::path file = fs::path(folder) / (L"wevote-fuzz" + ExtensionOf(input.target));
        WriteInput(file, input);
        std::vector<PicturePtr> pictures;
        Problem problem = HostErrorsOnly(false, [&] { pictures.push_back(LoadPicture(file.wstring())); });
        if (!problem && input.target == Target::Bitmap)
            problem = HostErrorsOnly(false, [&] {
                pictures.push_back(LoadPictureFromSource(
                    {PictureSource::Kind::Data, ToBase64({input.bytes.begin(), input.bytes.end()})}));
            });
        for (const PicturePtr& picture : pictures)
            if (!problem) problem = HostErrorsOnly(false, [&] { Draw(picture); });
        accepted_ = !pictures.empty();
        return problem;
    }

    static void Draw(const PicturePtr& picture) {
        Form form(L"Pictures");
        auto& image = form.Add(std::make_unique<Image>(L"img"));
        image.SetPicture(picture);
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP target = CreateCompatibleBitmap(screen, 64, 64);
        HGDIOBJ old = SelectObject(dc, target);
        image.Paint(dc);
        image.SetStretch(true);
        image.Paint(dc);
        SelectObject(dc, old);
        DeleteObject(target);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }

    Counts counts_[5];
    uint64_t builds_ = 0;
    bool accepted_ = false;
};

const wchar_t kHostForm[] =
    L"Begin Form Seed\n  Caption = \"种子\"\n  ClientWidth = 4800\n  ClientHeight = 3600\n  ScaleMode = 3\n"
    L"  Font = Font(\"宋体\", 9, 400, 134)\n"
    L"  Begin PictureBox pic\n    Left = 120\n    Width = 2000\n    Height = 1500\n    AutoRedraw = True\n"
    L"    Begin Label lbl\n      Caption = \"&Name\"\n      BackStyle = 0\n    End\n"
    L"    Begin Image img\n      Index = 0\n      Stretch = True\n    End\n  End\n"
    L"  Begin TextBox txt\n    Text = \"x\"\n    TabIndex = 0\n  End\n"
    L"  Begin Shape shp\n    Shape = 3\n    FillStyle = 0\n  End\n  Begin Line ln\n    X2 = 900\n  End\n"
    L"  Begin CommandButton cmd\n    Caption = \"OK\"\n    Default = True\n  End\n"
    L"  Begin HostFrame fra\n    Begin ListBox lst\n    End\n    Begin ComboBox cbo\n    End\n  End\n"
    L"  Begin Timer tmr\n    Interval = 10\n  End\nEnd\n";

// clang-format off
const wchar_t* const kLiterals[] = {
    L"\"a\\u4E2D\\r\\n\\t\\\\\\\"\"", L"&H8000000F&", L"-32768%", L"70000", L"1.5!", L"1E-300#", L"True", L"Nothing",
    L"Font(\"宋体\", 10.5, 700, 134, Italic, Underline, Strikethrough)", L"Picture(Empty)", L"Picture(Resource \"#1\")",
    L"Picture(Data \"Qk0=\")",
};
// clang-format on

// A bottom-up bitmap file of `bits` per pixel (8: with a grey palette).
std::string BitmapFile(int width, int height, int bits) {
    int palette = bits <= 8 ? (1 << bits) * 4 : 0;
    int stride = ((width * bits + 31) / 32) * 4;
    int size = 54 + palette + stride * height;
    std::string out(static_cast<size_t>(size), '\0');
    auto put = [&out](size_t at, uint32_t value, int width) {
        for (int i = 0; i < width; ++i) out[at + i] = static_cast<char>(value >> (8 * i));
    };
    out[0] = 'B';
    out[1] = 'M';
    put(2, size, 4);
    put(10, 54 + palette, 4);
    put(14, 40, 4);
    put(18, width, 4);
    put(22, height, 4);
    put(26, 1, 2);
    put(28, bits, 2);
    for (int i = 0; i < palette / 4; ++i) put(54 + 4 * i, i * 0x010101u, 4);
    for (size_t i = 54 + palette; i < out.size(); ++i) out[i] = static_cast<char>(i * 37);
    return out;
}

// An icon file of one 16 x 16 image in 32 bits per pixel, with its mask.
std::string IconFile() {
    std::string bitmap = BitmapFile(16, 32, 32).substr(14);  // header and pixels, the height doubled
    bitmap += std::string(16 * 4, '\0');                     // the AND mask
    std::string out = {0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 32, 0};
    for (uint32_t v : {static_cast<uint32_t>(bitmap.size()), 22u})
        for (int i = 0; i < 4; ++i) out += static_cast<char>(v >> (8 * i));
    return out + bitmap;
}

void AddSeeds(Mutator& mutator) {
    std::wstring form1 = LoadTextResource(L"FORM1");
    mutator.AddSeed({Target::Design, form1, {}});
    mutator.AddSeed({Target::Design, kHostForm, {}});
    // Every control's settings of the main window as a saved bag.
    DesignNode tree = ParseDesignData(form1);
    std::vector<const DesignNode*> open{&tree};
    while (!open.empty()) {
        const DesignNode* node = open.back();
        open.pop_back();
        std::wstring bag;
        for (const auto& [key, value] : node->properties) bag += key + L" = " + FormatLiteral(value) + L"\n";
        mutator.AddSeed({Target::Bag, bag, {}});
        for (const DesignNode& child : node->children) open.push_back(&child);
    }
    for (const wchar_t* literal : kLiterals) mutator.AddSeed({Target::Literal, literal, {}});
    const std::pair<Target, std::string> pictures[] = {
        {Target::Bitmap, BitmapFile(3, 2, 24)}, {Target::Bitmap, BitmapFile(5, 4, 8)}, {Target::Icon, IconFile()}};
    for (const auto& [target, bytes] : pictures) mutator.AddSeed({target, {}, bytes});
}

std::vector<std::pair<fs::path, Input>> Corpus() {
    std::vector<std::pair<fs::path, Input>> inputs;
    for (const auto& entry : fs::directory_iterator(fs::path(FUZZ_CORPUS))) {
        Input input;
        if (ReadInput(entry.path(), input)) inputs.emplace_back(entry.path(), std::move(input));
    }
    std::sort(inputs.begin(), inputs.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return inputs;
}

// The number of the input being tried, in a mapped file that outlives a crash.
class Progress {
public:
    explicit Progress(const std::optional<std::wstring>& file) {
        if (!file) return;
        file_ = CreateFileW(file->c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0,
                            nullptr);
        mapping_ = CreateFileMappingW(file_, nullptr, PAGE_READWRITE, 0, sizeof(uint64_t), nullptr);
        at_ = static_cast<volatile uint64_t*>(MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, sizeof(uint64_t)));
    }
    ~Progress() {
        if (!at_) return;
        UnmapViewOfFile(const_cast<uint64_t*>(at_));
        CloseHandle(mapping_);
        CloseHandle(file_);
    }
    void Set(uint64_t number) {
        if (at_) *at_ = number;
    }

private:
    HANDLE file_ = nullptr;
    HANDLE mapping_ = nullptr;
    volatile uint64_t* at_ = nullptr;
};

}  // namespace

TEST(Fuzz, CorpusOfPastFailuresReplaysClean) {
    QuietEffects effects;
    SetEffects(&effects);
    Harness harness;
    StartWatchdog();
    auto corpus = Corpus();
    ASSERT_FALSE(corpus.empty());
    for (const auto& [file, input] : corpus) {
        Problem problem = harness.Try(input, 0);  // number 0: built three times, GDI ledger checked
        EXPECT_FALSE(problem) << file.filename().string() << ": " << *problem;
    }
    SetEffects(nullptr);
}

TEST(Fuzz, RandomEditsOfGoodInputsGiveOnlyHostErrors) {
    const uint64_t seed = NumberSetting(L"FUZZ_SEED", kSuiteSeed);
    const auto seconds = std::chrono::seconds(NumberSetting(L"FUZZ_SECONDS", kSuiteRun.count()));
    const std::optional<std::wstring> save = Setting(L"FUZZ_SAVE");
    Mutator mutator;
    AddSeeds(mutator);
    auto saveAs = [&](const Input& input, uint64_t number) {
        fs::path file = fs::path(*save) / (std::string(NameOf(input.target)) + "-s" + std::to_string(seed) + "-" +
                                           std::to_string(number) + Narrow(ExtensionOf(input.target)));
        WriteInput(file, input);
        std::cout << "fuzz: saved " << file.filename().string() << std::endl;
    };
    if (auto dump = Setting(L"FUZZ_DUMP"); dump && save) {
        uint64_t number = std::wcstoull(dump->c_str(), nullptr, 10);
        saveAs(mutator.Make(seed, number), number);
        return;
    }

    QuietEffects effects;
    SetEffects(&effects);
    Harness harness;
    StartWatchdog();
    Progress progress(Setting(L"FUZZ_PROGRESS"));
    uint64_t failures = 0;
    uint64_t number = NumberSetting(L"FUZZ_START", 0);
    const auto end = std::chrono::steady_clock::now() + seconds;
    for (; std::chrono::steady_clock::now() < end; ++number) {
        progress.Set(number);
        Input input = mutator.Make(seed, number);
        if (Problem problem = harness.Try(input, number)) {
            ++failures;
            ADD_FAILURE() << "seed " << seed << ", input " << number << ": " << *problem << "\n  " << Preview(input);
            if (save) saveAs(input, number);
        }
    }
    SetEffects(nullptr);
    harness.PrintCounts(failures, effects.messages);
    std::cout << "fuzz: seed " << seed << ", inputs " << NumberSetting(L"FUZZ_START", 0) << " to " << number
              << std::endl;
}
