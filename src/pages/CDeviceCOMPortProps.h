#pragma once
// The COM Ports page: the stack's virtual serial ports, and the removal of
// outgoing ones.  It asks the stack itself and does not see the shared sheet
// state: its record base is a default-constructed record of its own that it
// never fills or reads.

#include <cstdint>
#include <map>

#include "applet/CpropertySheetInfo.h"
#include "pages/PageServices.h"
#include "pages/PropertyPage.h"

class CDeviceCOMPortProps : public PropertyPage, public CpropertySheetInfo {
public:
    explicit CDeviceCOMPortProps(PageServices& services);

    void OnInitDialog(IDialogView& view) override;
    bool OnCommand(IDialogView& view, int controlId) override;
    bool OnNotify(IDialogView& view, const ControlNotification& notification) override;

private:
    void FillList(IDialogView& view);
    void Remove(IDialogView& view);
    // Whether the row's direction is the outgoing text, compared exactly.
    bool IsOutgoingRow(IListView& list, int row) const;

    PageServices& services_;
    // COM port number to the remote device's address, as the last fill read
    // them; the first record of a port number wins.
    std::map<std::uint32_t, std::uint64_t> portMap_;
};
