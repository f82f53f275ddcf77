#pragma once
// Reads a CSV text as a spreadsheet would, strictly: ";" between fields,
// every record ended with CRLF, a quoted field may hold ";", CR, LF and
// doubled quotes. A leading byte order mark is skipped. Anything else (a
// quote inside an unquoted field, text after a closing quote, a bare CR or
// LF between records, a last record without CRLF) makes it fail.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace CsvReader {

inline std::optional<std::vector<QStringList>> Read(QStringView text) {
    if (text.startsWith(QChar(QChar::ByteOrderMark)))
        text = text.mid(1);
    std::vector<QStringList> records;
    QStringList record;
    QString field;
    qsizetype i = 0;
    const auto at = [&](qsizetype k) { return k < text.size() ? text[k] : QChar(); };
    while (i < text.size()) {
        if (at(i) == u'"' && field.isEmpty()) {
            for (++i;; ++i) {
                if (i >= text.size())
                    return std::nullopt;
                if (at(i) == u'"' && at(i + 1) == u'"')
                    field += text[i++];
                else if (at(i) == u'"')
                    break;
                else
                    field += text[i];
            }
            ++i;
            if (at(i) != u';' && at(i) != u'\r')
                return std::nullopt;
            continue;
        }
        if (at(i) == u';') {
            record << field;
            field.clear();
            ++i;
        } else if (at(i) == u'\r' && at(i + 1) == u'\n') {
            record << field;
            field.clear();
            records.push_back(record);
            record.clear();
            i += 2;
        } else if (at(i) == u'"' || at(i) == u'\r' || at(i) == u'\n') {
            return std::nullopt;
        } else {
            field += text[i++];
        }
    }
    if (!record.isEmpty() || !field.isEmpty())
        return std::nullopt;
    return records;
}

} // namespace CsvReader
