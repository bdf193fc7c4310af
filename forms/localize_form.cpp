#include "forms/localize_form.h"

#include <cctype>
#include <optional>
#include <string>

#include "core/string_table.h"
#include "forms/bar_controls.h"
#include "forms/form.h"
#include "forms/list_view.h"
#include "forms/tab_strip.h"

namespace corvana::forms {
namespace {

// A text as a 16-bit whole number: blanks around it, an optional sign, digits and an
// optional fraction, rounded half to even; nothing for anything else or out of range.
std::optional<int> ToInteger16(const std::string& text) {
  size_t i = 0, n = text.size();
  while (i < n && text[i] == ' ') ++i;
  while (n > i && text[n - 1] == ' ') --n;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long whole = 0;
  size_t digits = 0;
  for (; i < n && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits) {
    whole = whole * 10 + (text[i] - '0');
    if (whole > 100000) return std::nullopt;
  }
  int roundUp = 0;
  if (i < n && text[i] == '.') {
    ++i;
    std::string fraction;
    for (; i < n && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits) fraction += text[i];
    if (!fraction.empty() && fraction[0] >= '5') {
      bool exactlyHalf = fraction[0] == '5' && fraction.find_first_not_of('0', 1) == std::string::npos;
      roundUp = exactlyHalf ? static_cast<int>(whole % 2) : 1;
    }
  }
  if (digits == 0 || i != n) return std::nullopt;
  long value = (whole + roundUp) * (negative ? -1 : 1);
  if (value < -32768 || value > 32767) return std::nullopt;
  return static_cast<int>(value);
}

// The value of a text's leading digits (after blanks); 0 when it starts with none.
long LeadingNumber(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > 0xFFFFF) break;
  }
  return value;
}

std::optional<std::string> TextOf(std::optional<int> id) {
  if (!id || *id < 0) return std::nullopt;
  std::string text = LoadResString(*id);
  if (text.empty()) return std::nullopt;
  return text;
}

std::optional<std::string> TextOf(const std::string& holder) { return TextOf(ToInteger16(holder)); }

std::optional<std::string> TextOfLeadingNumber(const std::string& holder) {
  long id = LeadingNumber(holder);
  if (id < 1 || id > 32767) return std::nullopt;
  return TextOf(static_cast<int>(id));
}

void LocalizeControl(Control& control) {
  const std::string& type = control.TypeName();
  if (type == "Label") {
    if (auto text = TextOf(control.Tag())) control.SetCaption(*text);
  } else if (type == "TabStrip") {
    for (auto& tab : static_cast<TabStrip&>(control).Tabs()) {
      if (auto text = TextOf(tab->Tag())) tab->SetCaption(*text);
      if (auto text = TextOf(tab->ToolTipText())) tab->SetToolTipText(*text);
    }
  } else if (type == "Toolbar") {
    for (auto& button : static_cast<Toolbar&>(control).Buttons())
      if (auto text = TextOf(button->ToolTipText())) button->SetToolTipText(*text);
  } else if (type == "ListView") {
    for (auto& column : static_cast<ListView&>(control).Columns())
      if (auto text = TextOf(column->Tag())) column->SetText(*text);
  } else {
    // A control without a caption skips that step and still gets its tooltip.
    if (auto text = TextOfLeadingNumber(control.Tag()); text && control.HasCaption()) control.SetCaption(*text);
    if (auto text = TextOfLeadingNumber(control.ToolTipText())) control.SetToolTipText(*text);
  }
}

}  // namespace

void LocalizeForm(Form& form) {
  if (auto text = TextOf(form.Tag())) form.SetCaption(*text);
  for (auto& control : form.Controls()) LocalizeControl(*control);
  for (Menu* menu : form.Menus())
    if (auto text = TextOf(menu->Caption())) menu->SetCaption(*text);
}

}  // namespace corvana::forms
