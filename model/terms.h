// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words of the lines the program composes itself: the differences
// between two documents (the compare window, zq61-cli diff) and the bytes a
// write did not set (verify after write). English, or the words of the
// language file when its texts are given; a word the file lacks stays
// English. The command line keeps English lines, so scripts can read them.
//
//   const Terms words(&texts);                   // the program's language
//   words(Term::Channel) + " 12"                 // "channel 12", "信道 12"
//   words.format(Term::OfGroup, "key", "3")      // "key of group 3"
//   Terms()(Term::Channel)                       // always "channel"

#include <string>

namespace zq61 {

class Texts;

// In the order of their text ids (the first is 27400). A term with "%1"
// (and "%2") is a pattern for format().
enum class Term : int {
    Channel,
    Added,
    Removed,
    Empty,
    Frequency,
    Scan,
    Offset,
    ReceiveTone,
    TransmitTone,
    Duplex,
    ToneSquelch,
    HighCut,
    BusyLock,
    NoiseBlanker,
    PlusMinus5k,
    Modulation,
    Power,
    Public,
    ToneTip,
    DtmfBot,
    DtmfEot,
    DtmfCall,
    Spare,
    Header,
    Model,
    BandMode,
    DataVersion,
    Group,
    SwitchedOn,
    RememberedChannel,
    EmergencyModulation,
    CurrentGroup,
    MemoryChannel,
    Option,
    FrequencyLimit,
    OptionsTrailingByte,
    FeatureChannel,
    KeyMode,
    Key,
    DtmfRate,
    DtmfFirstDigitTime,
    DtmfFirstDigitDelay,
    DtmfStarHashTime,
    DtmfDKey,
    DtmfDisplay,
    DtmfCode,
    DtmfTrailingWord,
    Step,
    Pitch,
    Duration,
    Count,
    Pause,
    Written,
    ReadBack,
    OutsideImage,
    UnusedByte,
    DuplexAndToneKinds,
    ChannelSwitches,
    InUseBits,
    ScanBits,
    OfChannels,
    Area,
    OfGroup,
    OptionItem,
    OptionItems,
    And,
    Function,
    DefinedDtmfCodes,
    GroupSwitches,
    CurrentMemoryChannel,
    Switch,
    NotUsedByProgram,
    SettingsArea,
    Character,
    Count_
};

class Terms {
  public:
    explicit Terms(const Texts* texts = nullptr) : texts_(texts) {}

    std::string operator()(Term term) const;
    // The pattern `term` with "%1" replaced by `first` and "%2" by `second`.
    std::string format(Term term, const std::string& first, const std::string& second = {}) const;

    // The English word, as the program has it built in.
    static const char* english(Term term);

  private:
    const Texts* texts_;
};

}  // namespace zq61
