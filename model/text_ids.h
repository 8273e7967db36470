#pragma once

// Text identifiers of the language files. Every text the program shows is
// looked up by one of these; the language-file test checks that each exists
// in both languages. Runs computed as base + index give the base and the
// count.

namespace zq61::txt {

// ---- Messages and shared captions (section "Msg") ----
inline constexpr int kDataFileType = 9001;     // file dialog filter description
inline constexpr int kFileError = 9002;        // data file cannot be read or written
inline constexpr int kPortError = 9003;        // serial port cannot be opened
inline constexpr int kConfirmRead = 9004;      // read from the radio?
inline constexpr int kConfirmWrite = 9005;     // write to the radio?
inline constexpr int kSaveChanges = 9006;      // unsaved changes: save first?
inline constexpr int kConfirmSave = 9007;      // shown after the quoted file name
inline constexpr int kLinkFailed = 9008;       // link failed, retry?; + transfer kind:
inline constexpr int kReadDone = 9009;         //   read completed
inline constexpr int kWriteDone = 9010;        //   write completed
inline constexpr int kWrongModel = 9012;       // file or radio of another model
inline constexpr int kBandChangeDiscards = 9016;
inline constexpr int kOk = 9017;
inline constexpr int kCancel = 9018;
inline constexpr int kBandChangeTitle = 9019;
inline constexpr int kOutOfBand = 9021;        // frequency outside the band, set to the edge
inline constexpr int kClose = 9023;
inline constexpr int kHelp = 9025;
inline constexpr int kConfirmNew = 9026;       // start a new document?; + transfer kind:
inline constexpr int kReadCaption = 9027;      //   progress window caption, read
inline constexpr int kWriteCaption = 9028;     //   progress window caption, write
inline constexpr int kProgressLabel = 9029;
inline constexpr int kOtherBandOrVersion = 9030;
inline constexpr int kVersionRadioLine = 9060;    // "radio version" line
inline constexpr int kVersionProgramLine = 9061;  // "program version" line
inline constexpr int kVersionMismatch = 9062;     // first line of the mismatch message
inline constexpr int kNoProgramVersion = 9063;    // no program version suits
inline constexpr int kVersionFileLine = 9064;     // "file version" line
inline constexpr int kBadDataVersion = 9065;      // data version of the file unreadable

}  // namespace zq61::txt
