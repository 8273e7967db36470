// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/document_copies.h"

#include <algorithm>

#include "codec/frequency.h"
#include "codec/text_helpers.h"
#include "model/bands.h"
#include "model/document.h"

namespace zq61 {
namespace {

// Channel counts as used for copying: never beyond the arrays.
int validCount(int16_t count) {
    return std::clamp<int>(count, 0, kMaxChannels);
}

void refreshWorkHeader(Document& doc) {
    doc.WorkData.Header.Model = doc.ModelName;
    doc.WorkData.Header.HeaderBandMode = doc.BandMode;
    doc.WorkData.Header.Version = kDataVersion;
}

bool sameDtmf(const DtmfSettings& a, const DtmfSettings& b) {
    if (a.DtmfRate != b.DtmfRate || a.FirstDigitTime != b.FirstDigitTime ||
        a.FirstDigitDelay != b.FirstDigitDelay || a.StarHashTime != b.StarHashTime ||
        a.DKeySetting != b.DKeySetting || a.DtmfDisplay != b.DtmfDisplay ||
        a.Trailing != b.Trailing)
        return false;
    for (std::size_t i = 0; i < a.Codes.size(); ++i) {
        if (a.Codes[i].Length != b.Codes[i].Length ||
            cleanString(a.Codes[i].Code.view()) != cleanString(b.Codes[i].Code.view()))
            return false;
    }
    return true;
}

}  // namespace

void copyWorkToFile(Document& doc) {
    refreshWorkHeader(doc);
    doc.FileData = doc.WorkData;
    const int count = validCount(doc.WorkData.ChannelCount);
    std::copy_n(doc.WorkChannels.begin(), count, doc.FileChannels.begin());
}

void copyFileToWork(Document& doc) {
    doc.WorkData = doc.FileData;
    takeOverHeader(doc);
    const int count = validCount(doc.FileData.ChannelCount);
    std::copy_n(doc.FileChannels.begin(), count, doc.WorkChannels.begin());
}

void takeOverHeader(Document& doc) {
    const FileHeader& header = doc.FileData.Header;
    doc.ModelName = cleanString(header.Model.view());
    doc.BandMode = header.HeaderBandMode;
    doc.BandRangeText =
        bandRangeText(isKnownBandMode(doc.BandMode) ? int{doc.BandMode} : int{kBandCB});
    doc.Info.BandMode = header.HeaderBandMode;
    const BandLimits limits = bandLimitsFromText(doc.BandRangeText);
    doc.BandLowMHz = limits.lowMHz;
    doc.BandHighMHz = limits.highMHz;
}

void setBand(Document& doc, int bandMode) {
    doc.BandMode = static_cast<int16_t>(bandMode);
    doc.BandRangeText = bandRangeText(bandMode);
    const BandLimits limits = bandLimitsFromText(doc.BandRangeText);
    doc.BandLowMHz = limits.lowMHz;
    doc.BandHighMHz = limits.highMHz;
}

void refreshSettings(Document& doc) {
    doc.WorkData = doc.FileData;
    refreshWorkHeader(doc);
    doc.FileData = doc.WorkData;
}

bool isChanged(const Document& doc) {
    const RadioData& w = doc.WorkData;
    const RadioData& f = doc.FileData;
    if (w.Header.Model != f.Header.Model || w.Header.HeaderBandMode != f.Header.HeaderBandMode ||
        w.ChannelCount != f.ChannelCount)
        return true;
    const int count = validCount(w.ChannelCount);
    if (!std::equal(doc.WorkChannels.begin(), doc.WorkChannels.begin() + count,
                    doc.FileChannels.begin()))
        return true;
    return !(w.Keys == f.Keys && w.Options == f.Options && w.FeatChannel == f.FeatChannel &&
             sameDtmf(w.Dtmf, f.Dtmf) && w.ToneTips == f.ToneTips);
}

}  // namespace zq61
