#include "tests/e2e/environment_block.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>

namespace vanterel::e2e {
namespace {

std::wstring upper(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
  return text;
}

std::wstring nameOf(const std::wstring& entry) {
  // Entries such as "=C:=C:\\" start with '=': the name runs to the next one.
  const std::size_t equals = entry.find(L'=', 1);
  return upper(entry.substr(0, equals));
}

}  // namespace

std::wstring environmentBlock(const EnvironmentChanges& changes) {
  std::vector<std::wstring> entries;
  wchar_t* current = GetEnvironmentStringsW();
  for (const wchar_t* entry = current; entry != nullptr && *entry != L'\0';
       entry += wcslen(entry) + 1) {
    entries.emplace_back(entry);
  }
  if (current != nullptr) FreeEnvironmentStringsW(current);

  for (const auto& change : changes) {
    const std::wstring name = upper(change.first);
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const std::wstring& e) { return nameOf(e) == name; }),
                  entries.end());
    entries.push_back(change.first + L"=" + change.second);
  }
  std::sort(entries.begin(), entries.end(),
            [](const std::wstring& a, const std::wstring& b) { return upper(a) < upper(b); });

  std::wstring block;
  for (const std::wstring& entry : entries) block += entry + L'\0';
  block += L'\0';
  return block;
}

std::wstring environmentVariable(const wchar_t* name) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return L"";
  std::wstring value(size, L'\0');
  value.resize(GetEnvironmentVariableW(name, &value[0], size));
  return value;
}

}  // namespace vanterel::e2e
