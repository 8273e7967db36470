#pragma once

// Text identifiers of the language files. Every text the program shows is
// looked up by one of these; the language-file test checks that each exists
// in both languages. Runs computed as base + index give the base and the
// count (Base + 0 .. Base + Count - 1).
//
// Usage:  texts.text(txt::kMenuFile), texts.text(txt::kOptItemBase + i)
// allTextIds() (text_ids.cpp) lists every identifier, runs expanded; add a
// new constant there too (a test compares the list with this header).

#include <vector>

namespace zq61::txt {

// ---- Messages and shared captions (section "Msg") ----
inline constexpr int kDataFileType = 9001;  // file dialog filter description
inline constexpr int kFileError = 9002;     // data file cannot be read or written
inline constexpr int kPortError = 9003;     // serial port cannot be opened
inline constexpr int kConfirmRead = 9004;   // read from the radio?
inline constexpr int kConfirmWrite = 9005;  // write to the radio?
inline constexpr int kSaveChanges = 9006;   // unsaved changes: save first?
inline constexpr int kConfirmSave = 9007;   // shown after the quoted file name
inline constexpr int kLinkFailed = 9008;    // link failed, retry?; + transfer kind:
inline constexpr int kReadDone = 9009;      //   read completed
inline constexpr int kWriteDone = 9010;     //   write completed
inline constexpr int kWrongModel = 9012;    // file or radio of another model
inline constexpr int kBandChangeDiscards = 9016;
inline constexpr int kOk = 9017;
inline constexpr int kCancel = 9018;
inline constexpr int kBandChangeTitle = 9019;
inline constexpr int kOutOfBand = 9021;  // frequency outside the band, set to the edge
inline constexpr int kClose = 9023;
inline constexpr int kHelp = 9025;
inline constexpr int kConfirmNew = 9026;    // start a new document?; + transfer kind:
inline constexpr int kReadCaption = 9027;   //   progress window caption, read
inline constexpr int kWriteCaption = 9028;  //   progress window caption, write
inline constexpr int kProgressLabel = 9029;
inline constexpr int kOtherBandOrVersion = 9030;
inline constexpr int kVersionRadioLine = 9060;    // "radio version" line
inline constexpr int kVersionProgramLine = 9061;  // "program version" line
inline constexpr int kVersionMismatch = 9062;     // first line of the mismatch message
inline constexpr int kNoProgramVersion = 9063;    // no program version suits
inline constexpr int kVersionFileLine = 9064;     // "file version" line
inline constexpr int kBadDataVersion = 9065;      // data version of the file unreadable

// ---- Main window menus (section "Menu"); (hidden) items are never shown ----
inline constexpr int kMenuFile = 10000;
inline constexpr int kMenuFileNew = 10001;
inline constexpr int kMenuFileOpen = 10002;
inline constexpr int kMenuFileSave = 10003;
inline constexpr int kMenuFileSaveAs = 10004;
inline constexpr int kMenuFilePrint = 10005;  // (hidden)
inline constexpr int kMenuFileExit = 10006;
inline constexpr int kMenuModel = 10100;
inline constexpr int kMenuModelInfo = 10101;
inline constexpr int kMenuEdit = 10200;
inline constexpr int kMenuChannelInfo = 10201;
inline constexpr int kMenuOptFeature = 10202;
inline constexpr int kMenuRadioFre = 10203;  // (hidden)
inline constexpr int kMenuDtmf = 10204;
inline constexpr int kMenuTestFre = 10205;      // (hidden)
inline constexpr int kMenuEmbeddedMsg = 10206;  // (hidden)
inline constexpr int kMenuLocalInfo = 10207;    // radio information
inline constexpr int kMenuKey = 10208;
inline constexpr int kMenuScan = 10209;       // (hidden)
inline constexpr int kMenuAlert = 10210;      // (hidden)
inline constexpr int kMenuGroupName = 10220;  // (hidden)
inline constexpr int kMenuToneTips = 10221;
inline constexpr int kMenuResetInit = 10222;  // (hidden)
inline constexpr int kMenuProgram = 10300;
inline constexpr int kMenuReadFromRadio = 10301;
inline constexpr int kMenuWriteToRadio = 10302;
inline constexpr int kMenuProPassWord = 10303;
inline constexpr int kMenuSet = 10400;
inline constexpr int kMenuComm = 10401;
inline constexpr int kMenuLanguage = 10402;
inline constexpr int kMenuInit = 10403;
inline constexpr int kMenuView = 10500;
inline constexpr int kMenuTreeView = 10501;
inline constexpr int kMenuViewToolbar = 10502;
inline constexpr int kMenuViewStatusBar = 10503;
inline constexpr int kMenuWindow = 10600;
inline constexpr int kMenuWindowCascade = 10601;
inline constexpr int kMenuCloseAll = 10602;
inline constexpr int kMenuHelp = 10700;
inline constexpr int kMenuHelpTopic = 10701;  // (hidden)
inline constexpr int kMenuHelpAbout = 10702;
inline constexpr int kMenuChEdit = 10800;      // (hidden) channel edit menu:
inline constexpr int kMenuChCut = 10801;       //   (hidden)
inline constexpr int kMenuChCopy = 10802;      //   (hidden)
inline constexpr int kMenuChPaste = 10803;     //   (hidden)
inline constexpr int kMenuChInsert = 10804;    //   (hidden)
inline constexpr int kMenuChDelete = 10805;    //   (hidden)
inline constexpr int kMenuChMoveUp = 10806;    //   (hidden)
inline constexpr int kMenuChMoveDown = 10807;  //   (hidden)
inline constexpr int kMenuChHabits = 10808;    // (hidden)

// ---- Main toolbar tooltips (section "ToolBar") ----
inline constexpr int kToolNewFile = 11000;
inline constexpr int kToolOpenFile = 11001;
inline constexpr int kToolSaveFile = 11002;
inline constexpr int kToolPrint = 11003;
inline constexpr int kToolReadRadio = 11004;
inline constexpr int kToolCommSet = 11005;
inline constexpr int kToolWriteRadio = 11006;
inline constexpr int kToolAbout = 11007;
inline constexpr int kToolChCut = 11010;  // channel-edit group, hidden:
inline constexpr int kToolChCopy = 11011;
inline constexpr int kToolChPaste = 11012;
inline constexpr int kToolChInsert = 11013;
inline constexpr int kToolChDelete = 11014;
inline constexpr int kToolChMoveUp = 11015;
inline constexpr int kToolChMoveDown = 11016;

// ---- Main window and navigation tree (section "Main") ----
inline constexpr int kAppTitle = 12000;          // application title and main caption
inline constexpr int kNodeChannels = 12001;      // tree node "N1"
inline constexpr int kNodeOptFeatures = 12002;   // tree node "N2"
inline constexpr int kNodeDtmf = 12004;          // tree node "N4"
inline constexpr int kNodeRadioInfo = 12007;     // tree node "N7"
inline constexpr int kPortPanel = 12008;         // status bar, followed by the port number
inline constexpr int kCaptionFileLabel = 12009;  // "[<text>:<file name>]" in the caption
inline constexpr int kNodeKeys = 12010;          // tree node "N8"
inline constexpr int kNodeToneTips = 12014;      // tree node "N12"

// ---- Model information dialog (section "Model") ----
inline constexpr int kModelCaption = 13000;
inline constexpr int kModelLabel = 13001;      // Label1(0): model list
inline constexpr int kBandModeLabel = 13002;   // Label1(1): band mode list
inline constexpr int kBandRangeLabel = 13003;  // Label1(2): band range list

// ---- Channel grid and group panel (section "ChannelInfo") ----
inline constexpr int kGridNumber = 14001;  // column headers 0..7:
inline constexpr int kGridFrequency = 14002;
inline constexpr int kGridPublic = 14003;
inline constexpr int kGridDup = 14004;
inline constexpr int kGridOffset = 14005;
inline constexpr int kGridTsq = 14006;
inline constexpr int kGridScan = 14008;
inline constexpr int kGridEdit = 14011;
inline constexpr int kGridCaption = 14012;     // caption: <text> <group> ---  <row>]
inline constexpr int kDtmfNone = 14013;        // first item of every DTMF code list
inline constexpr int kGridEditButton = 14023;  // opens the channel edit window
inline constexpr int kGroupLabel = 14050;  // group selector label; caption after a language change
inline constexpr int kWorkingChannel = 14052;
inline constexpr int kEmergencyChannel1 = 14053;
inline constexpr int kEmergencyChannel2 = 14054;
inline constexpr int kGroupEnable = 14101;
inline constexpr int kGridAccessibleName = 14102;  // the grid, for screen readers
inline constexpr int kModulationName = 14103;      // emergency channel modulation selectors

// ---- Channel edit window (section "ChannelEdit") ----
inline constexpr int kChEditCaption = 15000;
inline constexpr int kChEditChannel = 15001;    // channel selector label
inline constexpr int kChEditFrequency = 15002;  // frequency box label
inline constexpr int kFieldLabelBase = 15005;   // + selector index: Public, DUP, TSQ, Scan,
inline constexpr int kFieldLabelCount = 16;     //   HI_CUT, BUSY, NB, 5K, AM_FM, power,
                                                //   RB tone, DTMF BOT/EOT/call, RX/TX tone
inline constexpr int kChEditGroup = 15029;      // group selector label
inline constexpr int kToneTipNone = 15030;      // first item of every tone tip list
inline constexpr int kPowerLow = 15044;         // Tx_Power list items
inline constexpr int kPowerMedium = 15045;
inline constexpr int kPowerHigh = 15046;  // FM only
inline constexpr int kOffsetLabel = 15100;
inline constexpr int kMaxLimitCheck = 15600;

// ---- Optional features (sections "Option" and "Radio") ----
inline constexpr int kOptCaption = 16000;
inline constexpr int kOptItemBase = 16001;  // + item index: item labels
inline constexpr int kOptItemCount = 17;
inline constexpr int kOptOff = 16040;         // first item: squelch level, gain control
inline constexpr int kOptMax = 16049;         // last item of gain control
inline constexpr int kScanCarrier = 16058;    // scan type, position 1
inline constexpr int kScanTimed = 16059;      // scan type, position 0
inline constexpr int kSecondsSuffix = 16060;  // after "5" .. "30" of the scan time
inline constexpr int kMinutesSuffix = 16061;  // after "1" .. "30" of the time-out timer
inline constexpr int kOptFrame = 16100;       // frame of the option items
inline constexpr int kCommonChannelFrame = 16101;
inline constexpr int kTimeoutOff = 16300;        // first item of the time-out timer
inline constexpr int kDisplayChannel = 17001;    // channel display mode, position 0
inline constexpr int kDisplayFrequency = 17002;  // channel display mode, position 1

// ---- DTMF window (section "DTMF") ----
inline constexpr int kDtmfCaption = 18000;
inline constexpr int kDtmfTabBase = 18002;  // tabs: timing, codes 1-8, codes 9-16
inline constexpr int kDtmfTabCount = 3;
inline constexpr int kDtmfTimingBase = 18005;  // rate, first digit time, first digit
inline constexpr int kDtmfTimingCount = 5;     //   delay, * and # time, D key time
inline constexpr int kDtmfDisplay = 18030;     // check box
inline constexpr int kDKeyOff = 18040;         // first item of the D key list

// ---- Radio information (section "Local") ----
inline constexpr int kInfoCaption = 21000;
inline constexpr int kInfoLabelBase = 21001;  // Frame1, Label2, then Label1 8, 9, 0, 1, 2, 3,
inline constexpr int kInfoLabelCount = 16;    //   4, 6, 5, 7, 10, 11, 12, 13

// ---- Serial port dialog (section "Port") ----
inline constexpr int kPortCaption = 22000;
inline constexpr int kPortFrame = 22001;
inline constexpr int kPortPrefix = 22002;  // followed by the port number

// ---- Language and password dialogs (section "Lang") ----
inline constexpr int kLangCaption = 23000;
inline constexpr int kLangLabel = 23001;
inline constexpr int kLangEnglish = 23002;  // list index 0
inline constexpr int kLangChinese = 23003;  // list index 1
inline constexpr int kPasswordCaption = 23100;
inline constexpr int kPasswordLabel = 23101;

// ---- About box (section "About") ----
inline constexpr int kAboutCaption = 24000;
inline constexpr int kAboutTitle = 24001;
inline constexpr int kAboutVersion = 24002;
inline constexpr int kAboutDescription = 24003;
inline constexpr int kAboutDisclaimer = 24004;
inline constexpr int kAboutOk = 24005;

// ---- Key assignments (section "KeySet") ----
inline constexpr int kKeyCaption = 25000;
inline constexpr int kKeyNameBase = 25001;  // + k: key P(k+1)
inline constexpr int kKeyNameCount = 6;
inline constexpr int kKeyModesLabel = 25007;  // label of the key-modes list
inline constexpr int kKeyModeFrame = 25008;   // followed by " " and the mode number

// ---- Tone tips (section "TONETIPS") ----
inline constexpr int kTipCaption = 29000;
inline constexpr int kTipTab = 29001;          // followed by " " and the tip number
inline constexpr int kTipRepeatLabel = 29002;  // repetition list
inline constexpr int kTipPauseLabel = 29003;   // pause list
inline constexpr int kTipPitchColumn = 29004;
inline constexpr int kTipLengthColumn = 29005;
inline constexpr int kTipPlay = 29006;
inline constexpr int kTipStop = 29007;
inline constexpr int kTipStepBase = 29100;  // + row index: step row captions
inline constexpr int kTipStepCount = 14;
inline constexpr int kTipRepeatOff = 29200;  // repetitions 0
inline constexpr int kTipSilence = 29201;    // pitch 0

}  // namespace zq61::txt

namespace zq61 {

// Every text identifier the program uses, runs expanded, ascending.
std::vector<int> allTextIds();

}  // namespace zq61
