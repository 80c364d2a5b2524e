#pragma once

namespace lumo {

// The entry of a resource table with this id, or nullptr.
template <class Table>
const typename Table::value_type* FindById(const Table& table, int id) {
  for (const auto& entry : table) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

}  // namespace lumo
