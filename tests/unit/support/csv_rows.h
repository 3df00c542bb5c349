#pragma once
#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace wg::test {

// The rows of a CSV file with ";" between fields, by their first field, quotes taken off.
inline std::map<std::string, std::vector<std::string>> csvRows(const std::string& csv) {
    std::map<std::string, std::vector<std::string>> rows;
    for (std::size_t at = 0, end; (end = csv.find("\r\n", at)) != std::string::npos; at = end + 2) {
        std::vector<std::string> fields(1);
        for (char c : csv.substr(at, end - at))
            if (c == ';' && std::count(fields.back().begin(), fields.back().end(), '"') % 2 == 0) fields.emplace_back();
            else fields.back() += c;
        for (std::string& f : fields)
            if (f.size() > 1 && f.front() == '"') f = f.substr(1, f.size() - 2);
        rows[fields[0]] = fields;
    }
    return rows;
}

} // namespace wg::test
