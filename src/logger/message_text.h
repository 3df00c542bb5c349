#pragma once
#include <cstddef>
#include <string>

namespace wg {

// The program-wide message text as the logger exchanges see it: they collect
// replies in it and leave their outcome there for the message dialog. The
// owner keeps its limit of 1023 characters; appending stops there.
class MessageText {
public:
    static constexpr std::size_t kLimit = 1023;

    virtual ~MessageText() = default;
    virtual const std::string& text() const = 0;
    // Stores at most kLimit characters of `text`.
    virtual void setText(const std::string& text) = 0;

    void clear() { setText(std::string()); }
    void append(const std::string& more) {
        const std::string& now = text();
        if (more.empty() || now.size() >= kLimit) return;
        setText(now + more.substr(0, kLimit - now.size()));
    }
    std::size_t size() const { return text().size(); }
};

// A message text of its own, for tests and for exchanges that collect into
// a scratch buffer.
class OwnMessageText final : public MessageText {
public:
    const std::string& text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text.substr(0, kLimit); }

private:
    std::string text_;
};

} // namespace wg
