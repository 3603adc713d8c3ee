#include "pages/CDeviceCOMPortProps.h"

#include <string>
#include <vector>

#include "base/DecimalText.h"
#include "res/resource.h"
#include "stack/DeviceAddress.h"
#include "stack/PortRecords.h"

namespace {

constexpr std::size_t kInformationUnits = 1024;
constexpr std::uint32_t kFullRowSelect = 0x20;  // LVS_EX_FULLROWSELECT
enum Column { kPort, kDirection, kName };

}  // namespace

CDeviceCOMPortProps::CDeviceCOMPortProps(PageServices& services)
    : PropertyPage(IDD_COM_PORTS), services_(services) {}

void CDeviceCOMPortProps::OnInitDialog(IDialogView& view) {
    const IStringTable& strings = services_.strings;
    view.Control(IDC_COM_PORTS_INFO).SetText(strings.Load(IDS_COM_PORTS_INFO, kInformationUnits));
    IListView& list = view.ListView(IDC_COM_PORTS_LIST);
    list.AddExtendedStyle(kFullRowSelect);
    list.InsertColumn(kPort, strings.Load(IDS_COLUMN_PORT).view(), 60);
    list.InsertColumn(kDirection, strings.Load(IDS_COLUMN_DIRECTION).view(), 90);
    list.InsertColumn(kName, strings.Load(IDS_COLUMN_NAME).view(), 200);
    FillList(view);
}

bool CDeviceCOMPortProps::OnCommand(IDialogView& view, int controlId) {
    switch (controlId) {
    case IDC_COM_PORTS_REFRESH:
        FillList(view);
        return true;
    case IDC_COM_PORTS_REMOVE:
        Remove(view);
        return true;
    default:
        return false;
    }
}

// Remove is offered for a selected outgoing port.  Only changes of an item's
// state count: the fill's setting of item data is no selection.
bool CDeviceCOMPortProps::OnNotify(IDialogView& view, const ControlNotification& notification) {
    if (notification.controlId != IDC_COM_PORTS_LIST || notification.code != NotifyCode::ItemChanged)
        return false;
    if (notification.stateChanged) {
        bool outgoing = notification.selected && IsOutgoingRow(view.ListView(IDC_COM_PORTS_LIST), notification.item);
        view.Control(IDC_COM_PORTS_REMOVE).Enable(outgoing);
    }
    return true;
}

// A failed read leaves the list empty; the port map keeps what it had until
// a read succeeds.
void CDeviceCOMPortProps::FillList(IDialogView& view) {
    IListView& list = view.ListView(IDC_COM_PORTS_LIST);
    if (list.ItemCount() > 0) list.DeleteAllItems();
    std::uint32_t count = 0;
    std::vector<std::uint8_t> bytes;
    if (services_.stack.GetSppPortInfo(&count, &bytes) < 0) return;

    const Text260 incoming = services_.strings.Load(IDS_DIRECTION_INCOMING);
    const Text260 outgoing = services_.strings.Load(IDS_DIRECTION_OUTGOING);
    portMap_.clear();
    int row = 0;
    for (const SerialPortRecord& port : ParsePortRecords(count, bytes)) {
        list.InsertItem(row, u"COM" + DecimalText(port.comPort));
        list.SetItemData(row, static_cast<std::intptr_t>(port.comPort));
        // A kind the stack should not send shows no direction and is never removable.
        std::u16string_view direction = port.kind == kSppPortOutgoing   ? outgoing.view()
                                        : port.kind == kSppPortIncoming ? incoming.view()
                                                                        : std::u16string_view();
        list.SetSubItemText(row, kDirection, direction);
        list.SetSubItemText(row++, kName, port.remoteName.view());
        portMap_.try_emplace(port.comPort, port.address);
    }
}

void CDeviceCOMPortProps::Remove(IDialogView& view) {
    IListView& list = view.ListView(IDC_COM_PORTS_LIST);
    int row = list.SelectedItem();
    if (row < 0) return;
    auto port = list.ItemData(row);
    if (!port || *port == 0) return;
    auto comPort = static_cast<std::uint32_t>(*port);
    auto address = portMap_.find(comPort);
    if (address == portMap_.end() || !IsOutgoingRow(list, row)) return;
    _BTH_ADDR_T device = ToBthAddress(address->second);
    services_.stack.DeactivateService(&device, kSppPortOutgoing, comPort);
    FillList(view);
}

bool CDeviceCOMPortProps::IsOutgoingRow(IListView& list, int row) const {
    const Text260 outgoing = services_.strings.Load(IDS_DIRECTION_OUTGOING);
    return !outgoing.empty() && list.SubItemText(row, kDirection).view() == outgoing.view();
}
