#pragma once
#include <string>
#include <vector>

#include "files/entry_list.h"
#include "files/regatta_record.h"
#include "logger/exchange.h"
#include "platform/dialog_logic.h"
#include "yacht/fleet_preparation.h"

namespace wg {

inline constexpr const char* kOpenState = "offen";
// The mode for yachts the entry list gives none, until the user picks another.
inline constexpr std::int32_t kDefaultFleetMode = 3;

// "vorbereitet 07.12. 09:14, ERLG 100234": a yacht's state after a record.
std::string preparedState(const PreparationSummary& summary);

// "Serienvorbereitung": the yachts of the regatta's entry list with their
// state, a master password typed once, the mode for yachts the list gives
// none, "Speicher löschen", and "Logger vorbereiten" for the selected yacht;
// after a success the selection moves on to the next open yacht.
class FleetDialog final : public DialogLogic {
public:
    // `masterPassword` is the program's, kept for the run; `place` says
    // where the preparations run.
    FleetDialog(PreparationPlace place, std::string& masterPassword)
        : place_(std::move(place)), masterPassword_(masterPassword) {}

    const char* templateName() const override { return "IDD_SerienVorbereitung"; }
    void opened(DialogView& view) override;
    void fieldLeft(DialogView& view, int id) override;
    void clicked(DialogView& view, int id) override;
    void selectionChanged(DialogView& view, int id) override;
    void cancelRequested(DialogView& view) override;

private:
    struct Row {
        EntryListYacht yacht;
        std::string state = kOpenState;
        bool prepared = false;
    };
    void loadList(DialogView& view, const std::string& path, const std::string& fileName);
    void chooseList(DialogView& view);
    void showRows(DialogView& view, int selected);
    void prepare(DialogView& view);
    std::int32_t modeOf(const Row& row) const;

    PreparationPlace place_;
    std::string& masterPassword_;
    std::vector<Row> rows_;
    std::int32_t defaultMode_ = kDefaultFleetMode;
};

} // namespace wg
