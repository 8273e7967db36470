#include "model/text_ids.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace zq61 {

std::vector<int> allTextIds() {
    using namespace txt;
    // clang-format off
    std::vector<int> ids = {
        // Messages and shared captions
        kDataFileType, kFileError, kPortError, kConfirmRead, kConfirmWrite, kSaveChanges,
        kConfirmSave, kLinkFailed, kReadDone, kWriteDone, kWrongModel, kBandChangeDiscards, kOk,
        kCancel, kBandChangeTitle, kOutOfBand, kClose, kHelp, kConfirmNew, kReadCaption,
        kWriteCaption, kProgressLabel, kOtherBandOrVersion, kVersionRadioLine, kVersionProgramLine,
        kVersionMismatch, kNoProgramVersion, kVersionFileLine, kBadDataVersion,
        // Main window menus
        kMenuFile, kMenuFileNew, kMenuFileOpen, kMenuFileSave, kMenuFileSaveAs, kMenuFilePrint,
        kMenuFileExit, kMenuModel, kMenuModelInfo, kMenuEdit, kMenuChannelInfo, kMenuOptFeature,
        kMenuRadioFre, kMenuDtmf, kMenuTestFre, kMenuEmbeddedMsg, kMenuLocalInfo, kMenuKey,
        kMenuScan, kMenuAlert, kMenuGroupName, kMenuToneTips, kMenuResetInit, kMenuProgram,
        kMenuReadFromRadio, kMenuWriteToRadio, kMenuProPassWord, kMenuSet, kMenuComm, kMenuLanguage,
        kMenuInit, kMenuView, kMenuTreeView, kMenuViewToolbar, kMenuViewStatusBar, kMenuWindow,
        kMenuWindowCascade, kMenuCloseAll, kMenuHelp, kMenuHelpTopic, kMenuHelpAbout, kMenuChEdit,
        kMenuChCut, kMenuChCopy, kMenuChPaste, kMenuChInsert, kMenuChDelete, kMenuChMoveUp,
        kMenuChMoveDown, kMenuChHabits,
        // Main toolbar tooltips
        kToolNewFile, kToolOpenFile, kToolSaveFile, kToolPrint, kToolReadRadio, kToolCommSet,
        kToolWriteRadio, kToolAbout, kToolChCut, kToolChCopy, kToolChPaste, kToolChInsert,
        kToolChDelete, kToolChMoveUp, kToolChMoveDown,
        // Main window and navigation tree
        kAppTitle, kNodeChannels, kNodeOptFeatures, kNodeDtmf, kNodeRadioInfo, kPortPanel,
        kCaptionFileLabel, kNodeKeys, kNodeToneTips,
        // Model information dialog
        kModelCaption, kModelLabel, kBandModeLabel, kBandRangeLabel,
        // Channel grid and group panel
        kGridNumber, kGridFrequency, kGridPublic, kGridDup, kGridOffset, kGridTsq, kGridScan,
        kGridEdit, kGridCaption, kDtmfNone, kGridEditButton, kGroupLabel, kWorkingChannel,
        kEmergencyChannel1, kEmergencyChannel2, kGroupEnable, kGridAccessibleName, kModulationName,
        // Channel edit window
        kChEditCaption, kChEditChannel, kChEditFrequency, kChEditGroup, kToneTipNone, kPowerLow,
        kPowerMedium, kPowerHigh, kOffsetLabel, kMaxLimitCheck,
        // Optional features
        kOptCaption, kOptOff, kOptMax, kScanCarrier, kScanTimed, kSecondsSuffix, kMinutesSuffix,
        kOptFrame, kCommonChannelFrame, kTimeoutOff, kDisplayChannel, kDisplayFrequency,
        // DTMF window
        kDtmfCaption, kDtmfDisplay, kDKeyOff,
        // Radio information
        kInfoCaption,
        // Serial port dialog
        kPortCaption, kPortFrame, kPortPrefix,
        // Language and password dialogs
        kLangCaption, kLangLabel, kLangEnglish, kLangChinese, kPasswordCaption, kPasswordLabel,
        // About box
        kAboutCaption, kAboutTitle, kAboutVersion, kAboutDescription, kAboutDisclaimer, kAboutOk,
        // Key assignments
        kKeyCaption, kKeyModesLabel, kKeyModeFrame,
        // Tone tips
        kTipCaption, kTipTab, kTipRepeatLabel, kTipPauseLabel, kTipPitchColumn, kTipLengthColumn,
        kTipPlay, kTipStop, kTipRepeatOff, kTipSilence,
    };
    // clang-format on
    const std::initializer_list<std::pair<int, int>> runs = {
        {kFieldLabelBase, kFieldLabelCount}, {kOptItemBase, kOptItemCount},
        {kDtmfTabBase, kDtmfTabCount},       {kDtmfTimingBase, kDtmfTimingCount},
        {kInfoLabelBase, kInfoLabelCount},   {kKeyNameBase, kKeyNameCount},
        {kTipStepBase, kTipStepCount}};
    for (const auto& [base, count] : runs)
        for (int i = 0; i < count; ++i)
            ids.push_back(base + i);
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

}  // namespace zq61
