#include "app/designer/question_window.h"

#include <memory>

#include "host/elements/mnemonic.h"
#include "host/place_control.h"

namespace okit {

namespace {
constexpr int kWidth = 320, kHeight = 112, kButtonWidth = 88, kButtonHeight = 24, kGap = 8;
}

void ask(EventRouter& router, const Form& over, const std::string& title, const std::string& message,
         const std::vector<std::string>& answers, std::function<void(std::size_t)> on_answer) {
  Desktop* desktop = over.desktop();
  if (!desktop) return;
  auto form = desktop->create_form("Question");
  form->put_Caption(title);
  const Rect centre = over.screen_rect();
  form->place_twips((centre.left + (centre.width() - kWidth) / 2) * kTwipsPerPixel,
                    (centre.top + (centre.height() - kHeight) / 2) * kTwipsPerPixel, kWidth * kTwipsPerPixel,
                    kHeight * kTwipsPerPixel);
  auto text = place_control(*form, *form, "Label", "Message", {12, 12}, Size{kWidth - 24, 48});
  text->put_property("WordWrap", Value::boolean(true));
  text->put_property("UseMnemonic", Value::boolean(false));
  text->put_property("Caption", Value(message));

  // One answer only: the first to arrive (a button, or the window's close).
  auto answered = std::make_shared<bool>(false);
  auto answer = [form = std::weak_ptr<Form>(form), on_answer, answered](std::size_t index) {
    if (*answered) return;
    *answered = true;
    if (auto held = form.lock(); held && held->alive()) held->desktop()->unload(*held);
    on_answer(index);
  };
  int left = kWidth - int(answers.size()) * (kButtonWidth + kGap) - kGap;
  for (std::size_t i = 0; i < answers.size(); ++i, left += kButtonWidth + kGap) {
    auto button = place_control(*form, *form, "CommandButton", "Answer" + std::to_string(i + 1),
                                {left + kGap, kHeight - kButtonHeight - 12}, Size{kButtonWidth, kButtonHeight});
    button->put_property("Caption", Value(escape_mnemonic(answers[i])));
    router.on(button, "Click", [answer, i](std::span<Value>) { answer(i); });
  }
  form->set_close_guard([answer, last = answers.size() - 1] {
    answer(last);
    return false;  // answering has closed it already
  });
  desktop->activate(form.get());
}

}  // namespace okit
