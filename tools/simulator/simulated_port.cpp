#include "simulated_port.h"

#include <algorithm>

namespace wg::sim {
namespace {

class SimulatedPort final : public SerialPort {
public:
    explicit SimulatedPort(SimulatedPortFactory& factory) : factory_(factory) {}
    ~SimulatedPort() override {
        if (open_) factory_.held = false;
    }

    LinkStatus open(const std::string& name, std::uint16_t baud) override {
        factory_.opens.push_back({name, baud});
        const auto& names = factory_.portNames;
        if (open_ || factory_.held || std::find(names.begin(), names.end(), name) == names.end())
            return kLinkFailed;
        open_ = true;
        factory_.held = true;
        return kLinkOk;
    }

    LinkStatus write(const char* bytes, std::size_t count, std::size_t& accepted) override {
        accepted = 0;
        if (!open_) return kLinkFailed;
        factory_.device().receive(std::string(bytes, count), factory_.clock().nowMs());
        accepted = count;
        return kLinkOk;
    }

    LinkStatus read(std::size_t max, std::string& bytes) override {
        bytes.clear();
        if (!open_) return kLinkFailed;
        Clock& clock = factory_.clock();
        LoggerDevice& device = factory_.device();
        if (device.available(clock.nowMs()) == 0) {
            const auto next = device.nextByteAtMs();
            const std::int64_t now = clock.nowMs();
            if (!next || *next - now > 1000) {
                clock.pauseMs(1000);
                return kLinkOk;
            }
            clock.pauseMs(*next - now);
        }
        bytes = device.take(max, clock.nowMs());
        return kLinkOk;
    }

    LinkStatus close() override {
        if (!open_) return kLinkFailed;
        open_ = false;
        factory_.held = false;
        return kLinkOk;
    }

private:
    SimulatedPortFactory& factory_;
    bool open_ = false;
};

} // namespace

std::unique_ptr<SerialPort> SimulatedPortFactory::create() {
    ++created;
    return std::make_unique<SimulatedPort>(*this);
}

} // namespace wg::sim
