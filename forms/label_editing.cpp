#include "forms/label_editing.h"

#include "win/com_text.h"

namespace corvana::forms {

LRESULT LabelEditing::OnBegin(bool manual, const BeforeLabelEditHandler& before) const {
  int cancel = manual && !startedByCode_ ? 1 : 0;
  if (!cancel && before) before(cancel);
  return cancel ? TRUE : FALSE;
}

std::optional<std::string> LabelEditing::OnEnd(const void* editorText, bool wide,
                                               const AfterLabelEditHandler& after) const {
  if (!editorText) return std::nullopt;
  std::string text = wide ? com::FromWide(static_cast<const wchar_t*>(editorText))
                          : std::string(static_cast<const char*>(editorText));
  int cancel = 0;
  if (after) after(cancel, text);
  if (cancel) return std::nullopt;
  return text;
}

}  // namespace corvana::forms
