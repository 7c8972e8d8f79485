#include "editor/order/OrderReference.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "editor/model/ChannelRecords.h"
#include "editor/model/RowValues.h"
#include "listdb/ListFile.h"

namespace sky {

namespace {

// A row of a number;name reference.
struct NumberedName {
    long number;
    std::string name;
};

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string_view withoutLeadingBlanks(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view{} : line.substr(first);
}

// A text with a section header is a channel list.
bool isChannelList(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        if (withoutLeadingBlanks(text.substr(start, end - start)).starts_with('[')) return true;
        start = end + 1;
    }
    return false;
}

// "12;Name", "12,Name", " 12 ; Name": the number and the name as written after the blanks that
// follow the separator (without the line end, without double quotes around it); nothing for a
// line of another form.
std::optional<NumberedName> numberedName(std::string_view line) {
    line = withoutLeadingBlanks(line);
    long number = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), number);
    if (error != std::errc() || number < 0) return std::nullopt;
    std::string_view rest =
        withoutLeadingBlanks(line.substr(static_cast<std::size_t>(end - line.data())));
    if (rest.empty() || (rest.front() != ';' && rest.front() != ',')) return std::nullopt;
    rest = withoutLeadingBlanks(rest.substr(1));
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"') {
        rest = rest.substr(1, rest.size() - 2);
    }
    return NumberedName{number, utf8Name(rest)};
}

std::optional<std::vector<MatchRow>> numberedReference(std::string_view text,
                                                       const std::string& source, RecordKind kind,
                                                       IUserInterface& ui) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte-order mark
    std::vector<NumberedName> rows;
    bool firstRow = true;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (isBlank(line) || withoutLeadingBlanks(line).starts_with('#')) continue;
        std::optional<NumberedName> row = numberedName(line);
        const bool header = !row && firstRow &&
                            !(withoutLeadingBlanks(line).front() >= '0' &&
                              withoutLeadingBlanks(line).front() <= '9');
        firstRow = false;
        if (header) continue;
        if (!row) {
            ui.message(malformedReferenceLine(source, lineNumber));
            return std::nullopt;
        }
        rows.push_back(std::move(*row));
    }
    if (rows.empty()) {
        ui.message("CANCELED : " + source + " names no channel. Nothing was applied.");
        return std::nullopt;
    }
    std::stable_sort(rows.begin(), rows.end(), [](const NumberedName& a, const NumberedName& b) {
        return a.number < b.number;
    });
    std::vector<MatchRow> reference(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        reference[i].kind = kind;
        reference[i].isNull = rows[i].name.empty();
        reference[i].name = std::move(rows[i].name);
    }
    return reference;
}

std::optional<OrderReference> listReference(std::string_view text, const std::string& source,
                                            const RuntimeSettings& settings, IUserInterface& ui) {
    ListFile db(settings, ui);
    TokenArray tokens;
    if (db.loadText(text, tokens) == LoadResult::Failed) {
        ui.message("CANCELED : " + source +
                   " is not a channel list that opens. Nothing was applied.");
        return std::nullopt;
    }
    OrderReference reference{channelMatchRows(tokens, true), channelMatchRows(tokens, false)};
    if (reference.digital->empty() && reference.analog->empty()) {
        ui.message("CANCELED : " + source + " has no channels. Nothing was applied.");
        return std::nullopt;
    }
    // A view the reference has no channel of is left as it is.
    if (reference.digital->empty()) reference.digital.reset();
    if (reference.analog->empty()) reference.analog.reset();
    return reference;
}

// A name that would not read back as itself bare is written in double quotes: one that begins
// or ends with a blank (the reader passes over blanks after the separator, and editors drop them
// at line ends) or is itself in double quotes (the reader takes one pair off). So is one that
// holds a separator, so that a spreadsheet reads it as one cell. The reader takes only the outer
// pair off, so quotes inside stay as they are.
bool needsQuotes(std::string_view name) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return !name.empty() && (blank(name.front()) || blank(name.back()) ||
                             name.find_first_of(";,") != std::string_view::npos ||
                             (name.size() >= 2 && name.front() == '"' && name.back() == '"'));
}

}  // namespace

std::string malformedReferenceLine(const std::string& source, int lineNumber) {
    return "CANCELED : " + source + ", line " + std::to_string(lineNumber) +
           " is not \"number;name\" or \"number,name\". Nothing was applied.";
}

std::optional<OrderReference> readOrderReference(std::string_view text, const std::string& source,
                                                 bool digitalView, const RuntimeSettings& settings,
                                                 IUserInterface& ui) {
    if (isChannelList(text)) return listReference(text, source, settings, ui);
    std::optional<std::vector<MatchRow>> rows =
        numberedReference(text, source, digitalView ? RecordKind::Digital : RecordKind::Analog, ui);
    if (!rows) return std::nullopt;
    OrderReference reference;
    reference.kindsKnown = false;
    (digitalView ? reference.digital : reference.analog) = std::move(*rows);
    return reference;
}

std::string referenceText(const TokenArray& tokens, bool digitalView) {
    const SectionMap sections = locateSections(tokens);
    const std::size_t rows =
        digitalView ? digitalViewRowCount(sections) : analogViewRowCount(sections);
    std::string text;
    text.reserve(rows * 24);
    for (std::size_t row = 0; row < rows; ++row) {
        const RecordRef record = *recordOfRow(sections, digitalView, row);
        const std::string* cells = &tokens[record.cell];
        text += cells[kChIndex];  // the Index is every channel record's first cell
        text += ';';
        if (!isNullChannel(record.kind, cells)) {
            const std::string name = utf8Name(cells[channelNameField(record.kind)]);
            text += needsQuotes(name) ? '"' + name + '"' : name;
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace sky
