// The login dialog with Qt 6 Widgets and its default style: every control
// at the pixel position and size of examples/login/login.frm. OK waits for
// a user name, Enter in the password box signs in, and who signed in is
// printed.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Sign in");
  window.setFixedSize(320, 176);
  window.move(200, 160);

  auto* user = new QLineEdit(&window);
  user->setGeometry(104, 38, 200, 21);
  auto* password = new QLineEdit(&window);
  password->setGeometry(104, 70, 200, 21);
  password->setEchoMode(QLineEdit::Password);
  auto* user_label = new QLabel("&User name:", &window);
  user_label->setGeometry(16, 42, 80, 13);
  user_label->setBuddy(user);
  auto* password_label = new QLabel("&Password:", &window);
  password_label->setGeometry(16, 74, 80, 13);
  password_label->setBuddy(password);
  auto* remember = new QCheckBox("&Remember me", &window);
  remember->setGeometry(104, 104, 80, 13);
  auto* ok = new QPushButton("OK", &window);
  ok->setGeometry(136, 136, 75, 21);
  auto* cancel = new QPushButton("Cancel", &window);
  cancel->setGeometry(224, 136, 75, 21);

  ok->setEnabled(false);
  QObject::connect(user, &QLineEdit::textChanged, [&](const QString& text) { ok->setEnabled(!text.isEmpty()); });
  const auto sign_in = [&] {
    if (!ok->isEnabled()) return;
    std::printf("signed in as %s%s\n", user->text().toUtf8().constData(),
                remember->isChecked() ? " (remembered)" : "");
    window.close();
  };
  QObject::connect(password, &QLineEdit::returnPressed, sign_in);
  QObject::connect(ok, &QPushButton::clicked, sign_in);
  QObject::connect(cancel, &QPushButton::clicked, &window, &QWidget::close);

  window.show();
  return app.exec();
}
