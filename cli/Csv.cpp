#include "cli/Csv.h"

namespace tooling::cli {

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        const std::string& field = fields[i];
        if (field.find_first_of(",\"\r\n") == std::string::npos) {
            line += field;
            continue;
        }
        line += '"';
        for (const char c : field) {
            line += c;
            if (c == '"') {
                line += '"';
            }
        }
        line += '"';
    }
    return line + "\r\n";
}

std::vector<CsvRow> ParseCsv(std::string_view text) {
    std::vector<CsvRow> rows;
    std::size_t i = 0;
    int line = 1;
    while (i < text.size()) {
        if (text[i] == '\n' || (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            i += text[i] == '\r' ? 2 : 1;
            ++line;
            continue;
        }
        CsvRow row{line, {}};
        std::string field;
        bool ended = false;
        while (!ended) {
            if (i < text.size() && text[i] == '"') {
                const int opened = line;
                ++i;
                for (;;) {
                    if (i >= text.size()) {
                        throw CsvError(opened, "a quoted field is not closed");
                    }
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (text[i] == '\n') {
                        ++line;
                    }
                    field += text[i++];
                }
                if (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                    throw CsvError(line, "text after a closing quote");
                }
            } else {
                while (i < text.size() && text[i] != ',' && text[i] != '\n' &&
                       !(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
                    if (text[i] == '"') {
                        throw CsvError(line, "a quote inside an unquoted field");
                    }
                    field += text[i++];
                }
            }
            row.fields.push_back(std::move(field));
            field.clear();
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            ended = true;
            if (i < text.size()) {
                i += text[i] == '\r' ? 2 : 1;
                ++line;
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace tooling::cli
