// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows, each made once and only shown and hidden after.
// Private to start-up, which makes them, and to the main window, which opens
// the others; no other window includes this.
#pragma once

#include <functional>
#include <utility>

namespace quillbox {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TAboutBox1;

struct WindowRegistry {
    TForm1* Form1 = nullptr;
    /// The other windows, null until first asked for through the functions
    /// below, which make all of them then. Most runs open few of them, and
    /// the first card comes up sooner without them.
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
    TForm5* Form5 = nullptr;
    TAboutBox1* AboutBox1 = nullptr;
    /// Makes the other windows; set by start-up, cleared once run.
    std::function<void()> makeOtherWindows;

    TForm2* form2() { return otherWindows(), Form2; }
    TForm3* form3() { return otherWindows(), Form3; }
    TForm4* form4() { return otherWindows(), Form4; }
    TForm5* form5() { return otherWindows(), Form5; }
    TAboutBox1* aboutBox1() { return otherWindows(), AboutBox1; }

private:
    void otherWindows()
    {
        if (makeOtherWindows)
            std::exchange(makeOtherWindows, nullptr)();
    }
};

} // namespace quillbox
