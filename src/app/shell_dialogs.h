#pragma once
#include "app/app_state.h"
#include "platform/dialog_logic.h"

namespace wg {

// "Information": shows the message text; only "OK" closes it.
class MessageDialog final : public DialogLogic {
public:
    static constexpr int kText = 1233;
    explicit MessageDialog(const AppState& state) : state_(state) {}
    const char* templateName() const override { return "IDD_MeldungsDialog1"; }
    void opened(DialogView& view) override;
    void clicked(DialogView& view, int id) override;

private:
    const AppState& state_;
};

// "Bildschirm konfigurieren": the main window size for the next start.
class ScreenDialog final : public DialogLogic {
public:
    static constexpr int kWidth = 1206;
    static constexpr int kHeight = 1207;
    explicit ScreenDialog(Settings& settings) : settings_(settings) {}
    const char* templateName() const override { return "IDD_KonfigScreen"; }
    void opened(DialogView& view) override;
    void fieldLeft(DialogView& view, int id) override;
    void clicked(DialogView& view, int id) override;
    void cancelRequested(DialogView& view) override { clicked(view, 2); }

private:
    Settings& settings_;
    std::int32_t savedWidth_ = 0;
    std::int32_t savedHeight_ = 0;
};

// The About box: program name and release.
class AboutDialog final : public DialogLogic {
public:
    static constexpr int kName = 1203;
    static constexpr int kRelease = 1200;
    const char* templateName() const override { return "IDD_AboutErlg"; }
    void opened(DialogView& view) override;
    void clicked(DialogView& view, int id) override;
    void cancelRequested(DialogView& view) override { clicked(view, 1); }
};

// "Zeitzone wählen": UTC or local time, taken at once; no way back.
class TimeZoneDialog final : public DialogLogic {
public:
    static constexpr int kUtc = 1308;
    static constexpr int kLocal = 1309;
    explicit TimeZoneDialog(Settings& settings) : settings_(settings) {}
    const char* templateName() const override { return "IDD_UhrKonfig"; }
    void opened(DialogView& view) override;
    void clicked(DialogView& view, int id) override;

private:
    Settings& settings_;
};

} // namespace wg
