// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/ProtocolTypes.h"

namespace telvorin {

void DeviceList::clear()
{
    records_.clear();
    index_.clear();
}

DeviceList::Added DeviceList::add(const DeviceRecord& record)
{
    if (contains(record.ipText.view()))
        return Added::Known;
    if (count() >= MaxRecords)
        return Added::Full;
    index_.emplace(record.ipText.str(), records_.size());
    records_.push_back(record);
    return Added::Yes;
}

const DeviceRecord* DeviceList::find(std::string_view ipText) const
{
    const auto it = index_.find(std::string(ipText));
    return it == index_.end() ? nullptr : &records_[it->second];
}

DeviceRecord* DeviceList::find(std::string_view ipText)
{
    const auto it = index_.find(std::string(ipText));
    return it == index_.end() ? nullptr : &records_[it->second];
}

void DeviceList::readdress(DeviceRecord& record, std::string_view ipText)
{
    record.ipText = ipText;
    // Rare (an address change), and two records may now share an address: the index
    // must again point at the first of each.
    reindex();
}

void DeviceList::reindex()
{
    index_.clear();
    for (std::size_t i = 0; i < records_.size(); ++i)
        index_.emplace(records_[i].ipText.str(), i); // keeps the first of equal addresses
}

} // namespace telvorin
