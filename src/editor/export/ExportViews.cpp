#include "editor/export/ExportViews.h"

#include <array>
#include <utility>

namespace sky {

std::optional<NamedView> viewNamed(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, NamedView>, 8> kViews{{
        {"digital", {ViewKind::Detail, true}},
        {"analog", {ViewKind::Detail, false}},
        {"satellite", {ViewKind::SatelliteList, true}},
        {"satname", {ViewKind::SatelliteNameList, true}},
        {"tp", {ViewKind::DigitalTpList, true}},
        {"channel", {ViewKind::DigitalChannelList, true}},
        {"pid", {ViewKind::DigitalPidChannelList, true}},
        {"analoglist", {ViewKind::AnalogChannelList, true}},
    }};
    for (const auto& [viewName, view] : kViews) {
        if (viewName == name) return view;
    }
    return std::nullopt;
}

}  // namespace sky
