#pragma once
#include <string>

namespace wg {

// The program-wide message text (1024 bytes with its terminator): prompts and
// messages for the message dialog, and the replies logger exchanges collect.
// Every way in keeps the limit.
class MessageText {
public:
    static constexpr std::size_t kLimit = 1023;

    const std::string& text() const { return text_; }
    std::size_t size() const { return text_.size(); }
    void set(const std::string& text) { text_ = text.substr(0, kLimit); }
    void append(const std::string& more) {
        if (text_.size() < kLimit) text_ += more.substr(0, kLimit - text_.size());
    }
    void clear() { text_.clear(); }

private:
    std::string text_;
};

} // namespace wg
