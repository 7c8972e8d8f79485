#include "editor/dialogs/DigitalChannelDialogData.h"

#include <utility>

namespace sky {

std::string& DigitalChannelDialogData::text(Field field) {
    return const_cast<std::string&>(std::as_const(*this).text(field));
}

const std::string& DigitalChannelDialogData::text(Field field) const {
    switch (field) {
        case Field::Name:
            return name;
        case Field::ServiceId:
            return serviceId;
        case Field::VideoPid:
            return videoPid;
        case Field::AudioPid:
            return audioPid;
        case Field::Frequency:
            return frequency;
        case Field::LnbHigh:
            return lnbHigh;
        case Field::LnbLow:
            return lnbLow;
        case Field::PcrPid:
            return pcrPid;
        case Field::Position:
            return position;
        case Field::SymbolRate:
            return symbolRate;
        case Field::ActiveAudio:
            return activeAudio;
        case Field::Degree:
            return degree;
        case Field::Bouquet:
            break;
    }
    return bouquet;
}

bool DigitalChannelDialogData::isDisplayOnly(Field field) {
    return field == Field::LnbHigh || field == Field::LnbLow || field == Field::Position ||
           field == Field::Degree;
}

void DigitalChannelDialogData::openFields() {
    serviceIdEnabled_ = true;
    pidEditsEnabled_ = false;
    if (newFlag) return;
    if (serviceId.empty()) serviceIdEnabled_ = false;
}

void DigitalChannelDialogData::serviceIdTyped(const std::string& text) {
    serviceId = text;
    if (!newFlag) return;
    pidEditsEnabled_ = serviceId.empty();
    if (!serviceId.empty()) {
        videoPid.clear();
        audioPid.clear();
        pcrPid.clear();
    }
}

std::string DigitalChannelDialogData::caption() const {
    return newFlag ? "Setting Digital Channel....New"
                   : "Digital Channel Setting...Adjust, New, Delete";
}

std::optional<DigitalChannelDialogData::Field> DigitalChannelDialogData::tooLongField() const {
    if (const auto limit = firstTooLong(*this, kEditLimits)) return limit->field;
    return std::nullopt;
}

std::optional<size_t> DigitalChannelDialogData::tooLongLimit() const {
    if (const auto limit = firstTooLong(*this, kEditLimits)) return limit->maxChars;
    return std::nullopt;
}

}  // namespace sky
