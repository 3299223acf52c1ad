// The real platform services, on Qt's message boxes, print dialog, desktop services and clock.
#pragma once

#include "Services.h"
#include "TQtGameStore.h"

class TQtMessageService final : public IMessageService {
 public:
  void ShowMessage(QWidget* parent, const QString& text) override;
  void ShowSpokenMessage(QWidget* parent, const QString& text, const QString& spoken) override;
  void ShowMessageBeside(QWidget* parent, const QString& text, const QString& spoken,
                         const QRect& keepClear) override;
};

class TQtConfirmService final : public IConfirmService {
 public:
  TConfirmAnswer AskYesNoCancel(QWidget* parent, const QString& text) override;
  TConfirmAnswer AskYesNo(QWidget* parent, const QString& text) override;
};

class TQtPrintDialogService final : public IPrintDialogService {
 public:
  bool Execute(QWidget* parent, QPrinter& printer) override;
};

class TQtUrlOpener final : public IUrlOpener {
 public:
  bool Open(QWidget* parent, const QUrl& url, std::function<void()> failedLater) override;
};

class TQtTimeService final : public ITimeService {
 public:
  QDateTime Now() const override;
};

// One instance of each real service, living for the whole program.
TServices QtServices();
