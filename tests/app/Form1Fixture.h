#pragma once
// A main window under test: outside effects recorded instead of performed, and the window's controls at hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Form1.h"
#include "host/stock/Label.h"
#include "host/values/Runtime.h"
#include "host/stock/TextBox.h"
#include "host/stock/Timer.h"
#include "host/windows/Pump.h"

namespace app {

struct Form1TestAccess {
    static void SetRunCount(Form1& form, int16_t count) { form.runCount_ = count; }
};

struct RecordedEffects : host::SideEffects {
    struct Shell {
        HWND owner;
        std::wstring operation, file, parameters, directory;
        int show;
    };
    std::vector<Shell> shell;
    std::vector<std::wstring> messages;
    int ends = 0;

    intptr_t OpenWithShell(HWND owner, const std::wstring& operation, const std::wstring& file,
                           const std::wstring& parameters, const std::wstring& directory, int show) override {
        shell.push_back({owner, operation, file, parameters, directory, show});
        return 42;
    }
    void NavigateTo(const std::wstring& address) override {
        shell.push_back({nullptr, L"navigate", address, L"", L"", 0});
    }
    bool PlaySoundFile(const std::string&, unsigned) override { return true; }
    int ShowMessageBox(HWND, const std::wstring& text, const std::wstring&, unsigned) override {
        messages.push_back(text);
        return IDOK;
    }
    void EndProgram(int) override { ++ends; }
};

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        host::SetEffects(&effects);
        form = std::make_unique<Form1>();
    }
    void TearDown() override {
        form.reset();
        host::SetEffects(nullptr);
        host::ResetEnding();
    }

    template <class T>
    T& Control(const wchar_t* name) {
        auto* c = dynamic_cast<T*>(form->FindControl(name));
        EXPECT_NE(c, nullptr) << "no control";
        return *c;
    }
    std::wstring Caption(const wchar_t* label) { return Control<host::Label>(label).Caption(); }
    // Runs the host's own pump (which routes the form keyboard) for a while.
    static void Pump(int milliseconds) {
        for (int i = 0; i < milliseconds / 10; ++i) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            host::DoEvents();
        }
    }

    RecordedEffects effects;
    std::unique_ptr<Form1> form;
};

}  // namespace app
