// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The radio commands of the main window (read, write, radio information,
// password, port selection) and the serial port it owns. The radio link
// supplies the implementation; the main window only dispatches to it.

#include <QString>

namespace zq61::gui {

class RadioCommands {
  public:
    virtual ~RadioCommands() = default;
    virtual void readFromRadio() = 0;  // menu mnuReadFromRadio, toolbar "ReadRadio"
    virtual void writeToRadio() = 0;   // menu mnuWriteToRadio, toolbar "WriteRadio"
    // The document written into several radios at once (menu
    // mnuWriteToSeveralRadios).
    virtual void writeToSeveralRadios() {}
    virtual void ReadRMGDataFromRadio() = 0;  // radio information transfer
    virtual void editPassword() = 0;          // the password dialog
    virtual void choosePort() = 0;            // the port dialog
    // Reads the radio without replacing the document and lists how the two
    // differ in the compare window (File > Compare with Radio...).
    virtual void compareWithRadio() = 0;
    // Closes the serial port when it is open (the program is ending).
    virtual void closePort() = 0;
    // A port used for this run in place of the chosen one (shown in the
    // status bar); empty when the chosen port is used.
    virtual QString portOverride() const { return {}; }
};

}  // namespace zq61::gui
