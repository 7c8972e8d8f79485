#include "editor/export/HtmlExport.h"

#include "editor/export/ExportRows.h"
#include "editor/model/NameEncoding.h"

namespace sky {

namespace {

// Readable on screen and on paper: thin borders, a shaded header row repeated on every printed
// page, and rows that do not break across pages.
constexpr std::string_view kStyle =
    "body{font-family:sans-serif;font-size:10pt;margin:1em}\n"
    "h1{font-size:12pt;margin:0 0 .5em}\n"
    "table{border-collapse:collapse}\n"
    "th,td{border:1px solid #999;padding:1px 6px;text-align:left;white-space:nowrap}\n"
    "thead th{background:#e4e4e4}\n"
    "tbody tr:nth-child(even){background:#f4f4f4}\n"
    "@media print{body{margin:0;font-size:8pt}thead{display:table-header-group}"
    "tr{break-inside:avoid}}\n";

}  // namespace

void appendHtmlEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
}

std::string listHtmlTable(const ShownList& shown, const std::vector<std::size_t>& rows) {
    const std::vector<std::size_t> columns = shownColumns(shown);
    std::string out;
    // About two dozen bytes a cell with its tags keeps the text from growing by copies.
    out.reserve((rows.size() + 1) * columns.size() * 24 + 64);
    out += "<table>\n<thead><tr>";
    for (std::size_t column : columns) {
        out += "<th>";
        appendHtmlEscaped(out, shown.columns()[column].header);
        out += "</th>";
    }
    out += "</tr></thead>\n<tbody>\n";
    for (std::size_t row : rows) {
        if (row >= shown.rowCount()) continue;
        out += "<tr>";
        for (std::size_t column : columns) {
            out += "<td>";
            appendHtmlEscaped(out, exportedCell(shown, row, column));
            out += "</td>";
        }
        out += "</tr>\n";
    }
    out += "</tbody>\n</table>\n";
    return out;
}

std::string listHtmlPage(const ShownList& shown, const std::vector<std::size_t>& rows,
                         std::string_view listPath, std::string_view date) {
    std::string heading;
    appendHtmlEscaped(heading, utf8Name(listPath));
    heading += " - ";
    appendHtmlEscaped(heading, date);
    std::string out = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>";
    out += heading;
    out += "</title>\n<style>\n";
    out += kStyle;
    out += "</style>\n</head>\n<body>\n<h1>";
    out += heading;
    out += "</h1>\n";
    out += listHtmlTable(shown, rows);
    out += "</body>\n</html>\n";
    return out;
}

}  // namespace sky
