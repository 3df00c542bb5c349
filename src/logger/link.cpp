#include "logger/link.h"

namespace wg {

SerialLink::~SerialLink() {
    if (state_ == State::Open) port_->close();
    --ports_.linksInUse_;
}

LinkStatus SerialLink::open(const std::string& name, std::uint16_t baud) {
    if (state_ != State::New) return kLinkOk;
    port_ = ports_.create();
    if (port_ && port_->open(name, baud) == kLinkOk) {
        state_ = State::Open;
        return kLinkOk;
    }
    state_ = State::OpenFailed;
    return kLinkFailed;
}

LinkStatus SerialLink::write(const std::string& bytes) {
    bytesWritten_ = 0;
    if (state_ != State::Open) return kLinkFailed;
    std::size_t accepted = 0;
    const LinkStatus status = port_->write(bytes.data(), bytes.size(), accepted);
    bytesWritten_ = static_cast<std::uint32_t>(accepted);
    return status == kLinkOk ? kLinkOk : kLinkFailed;
}

LinkStatus SerialLink::read(std::size_t max) {
    received_.clear();
    reply_.clear();
    if (state_ != State::Open) return kLinkFailed;
    const LinkStatus status = port_->read(max, received_);
    if (received_.size() > max) received_.resize(max);
    // A zero byte ends the text; what follows it is not seen.
    reply_.assign(received_.c_str());
    if (reply_.size() > kReplyLimit) reply_.resize(kReplyLimit);
    return status == kLinkOk ? kLinkOk : kLinkFailed;
}

LinkStatus SerialLink::close() {
    switch (state_) {
    case State::New: return kLinkOk;
    case State::OpenFailed: return kLinkFailed;
    case State::Closed: return kLinkOk;
    case State::Open: break;
    }
    port_->close();
    state_ = State::Closed;
    return kLinkOk;
}

} // namespace wg
