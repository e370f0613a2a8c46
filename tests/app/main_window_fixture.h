#pragma once

#include "interface_language.h"
#include "mdi_form_main.h"
#include "shared_state.h"
#include "test_support.h"

namespace t40::test {

// The main window as loaded at start, in English.
struct Fixture {
    TestEnvironment env;
    MDIFormMain main;
    Fixture()
    {
        main.MDIForm_Load();
        SetInterfaceLanguage(QLocale::English);
    }
};

} // namespace t40::test
