#pragma once

// Choices of the user that are kept per user in the program's settings store
// (QSettings "zq61"/"preferences"), not in mysetup.ini, which belongs to the
// installation.

namespace zq61 {

// Whether every successful write is read back and compared with what was
// written (Settings > Verify after Write). Off until the user turns it on.
bool verifyAfterWrite();
void setVerifyAfterWrite(bool on);

}  // namespace zq61
