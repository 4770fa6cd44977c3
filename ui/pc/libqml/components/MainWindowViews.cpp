#include "libqml/components/MainWindow.h"

#include <QItemSelectionModel>
#include <QQmlContext>
#include <QQuickItem>
#include <QRegularExpression>

#include <RAZ/Actions/Provider.h>
#include <RAZ/Actions/Source.h>
#include <RAZ/Contacts/ContactModels.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Controllers/XmppChatController.h>
#include <RAZ/Models/SelectionHandler.h>
#include <RAZ/Models/Timeline.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Utils/Parsers.h>

#include "Models/ContactSearchFilter.h"
#include "Models/ErrorInfoModel.h"
#include "Providers/QmlProviders.h"
#include "Utils/ActiveSelectionHandler.h"
#include "Utils/CommunicationsWindowManager.h"
#include "Utils/MainView.h"
#include "Utils/MenuHandler.h"
#include "Utils/Search/SearchManager.h"
#include "Utils/SettingsKeys.h"
#include "libqml/components/MainWindowShared.h"
#include "libqml/window/View.h"

namespace QML {

namespace {}  // namespace

// --- views and selection ---

void MainWindow::activeViewChanged(const QString& view) {
  m_contactSource->reset();
  const bool leftHistory = m_activeView == Utils::MainView::name(Utils::MainView::History);
  m_activeView = view;
  m_activeViewSince = QDateTime::currentDateTimeUtc();
  if (view == Utils::MainView::name(Utils::MainView::Dialpad)) {
    // Kept by object: the rows may be rebuilt while the dial pad shows.
    m_savedSelection.clear();
    const auto selected = m_contactSelectionHandler->selection();
    for (QObject* object : selected) m_savedSelection << object;
    const QString text = property("dialpadText").toString();
    dialpadTextChanged(text);
    emit dialpadText(text);
  } else if (view == Utils::MainView::name(Utils::MainView::History)) {
    emit fetchCallLogs();
    followHistoryRow();
  } else {
    if (view == Utils::MainView::name(Utils::MainView::Contacts)) {
      if (m_groups) m_groups->setSortField(primarySortField());
      QList<QObject*> saved;
      for (const QPointer<QObject>& object : qAsConst(m_savedSelection))
        if (object) saved << object.data();
      m_savedSelection.clear();
      if (!saved.isEmpty()) {
        m_contactSelectionHandler->setSelection(saved);
      } else {
        // The list kept its selection while another view showed: the menus
        // act on it again, as they did before (a right click on a selected
        // row otherwise finds nothing to offer).
        takeContactSelection(ContactSelection::Adds);
      }
    }
    searchTextChanged(m_searchText, view != Utils::MainView::name(Utils::MainView::Contacts));
    // The missed calls were seen in the history just left; a view change
    // elsewhere leaves them new (the badge still counts them).
    if (leftHistory && (m_timelineFilterFlag == 0 || m_timelineFilterFlag == 1))
      m_timeline->clearMissedCalls();
  }
  emit selectActiveSession();
}

void MainWindow::takeContactSelection(ContactSelection how) {
  const bool blocked = m_contactSource->blockSignals(true);
  if (how == ContactSelection::Replaces) m_contactSource->reset();
  const auto selected = m_contactSelectionHandler->selection();
  for (QObject* object : selected)
    if (auto* source = qobject_cast<RAZ::Actions::Source*>(object))
      m_contactSource->addSource(source);
  m_contactSource->blockSignals(blocked);
  emit m_contactSource->actionsChanged();
}

void MainWindow::showRoomsList() {
  if (QQuickItem* root = view() ? view()->rootObject() : nullptr)
    if (QQuickItem* active = root->findChild<QQuickItem*>(QStringLiteral("activeView")))
      active->setProperty("state", Utils::MainView::name(Utils::MainView::Rooms));
}

void MainWindow::showContactList() {
  if (QQuickItem* root = view() ? view()->rootObject() : nullptr)
    if (QQuickItem* active = root->findChild<QQuickItem*>(QStringLiteral("activeView")))
      active->setProperty("state", Utils::MainView::name(Utils::MainView::Contacts));
}

void MainWindow::contactSelectionChanged(const QItemSelection&, const QItemSelection&) {
  // The composite follows the list's selection exactly.
  takeContactSelection(ContactSelection::Replaces);
  if (!m_contactSource->sources().isEmpty() &&
      !(m_contactSelectionHandler->lastModifiers() & Qt::ControlModifier))
    m_activeSelection->clear();
  emit currentContactRowChanged();
}

void MainWindow::activeSelectionChanged(const QItemSelection&, const QItemSelection&) {
  // The active-communications menu acts on exactly what the list selects.
  const bool blocked = m_activeSource->blockSignals(true);
  m_activeSource->reset();
  const auto selected = m_activeSelection->selection();
  for (QObject* session : selected) m_activeSource->addSource(session);
  m_activeSource->blockSignals(blocked);
  emit m_activeSource->actionsChanged();
  // A plain click on a session leaves the contacts; Ctrl keeps both.
  if (!m_activeSource->sources().isEmpty() &&
      !(m_activeSelection->lastModifiers() & Qt::ControlModifier))
    m_contactSelectionHandler->clear();
}

void MainWindow::historySelectionChanged(int row) {
  m_historyRow = row;
  // The history list keeps a current row while another view shows (it moves
  // whenever the history changes): only the list on screen decides what the
  // menus and Enter act on.
  if (m_activeView == Utils::MainView::name(Utils::MainView::History)) followHistoryRow();
}

void MainWindow::followHistoryRow() {
  m_activeSource->reset();
  m_contactSource->reset();
  const QModelIndex i = m_timelineProxy->index(m_historyRow, 0);
  if (!i.isValid()) return;
  if (auto* source = qobject_cast<RAZ::Actions::Source*>(
          i.data(RAZ::Models::Timeline::SourceRole).value<QObject*>()))
    m_contactSource->addSource(source);
}

void MainWindow::roomsSelectionChanged(int) { m_activeSource->reset(); }

void MainWindow::showActiveCommunication(QObject* session) {
  auto* comms = qobject_cast<RAZ::Controllers::CommunicationSession*>(session);
  if (comms && m_commsWindowManager) m_commsWindowManager->showCommsWindow(comms);
}

void MainWindow::joinRoom(const QString& roomJid) {
  if (!roomJid.isEmpty() && m_session && m_session->xmppChatController())
    m_session->xmppChatController()->createGroupChat(roomJid);
}

void MainWindow::selectContactRow(int row, bool add) {
  const QModelIndex i = m_contactListModel->index(row, 0);
  if (!i.isValid() || !m_contactSelectionHandler->isSelectableItem(i)) return;
  m_contactSelectionHandler->select(row, add ? int(Qt::ControlModifier) : 0);
}

void MainWindow::moveSelection(bool up, bool inContacts) {
  if (inContacts)
    m_contactSelectionHandler->moveCurrent(up);
  else
    m_activeSelection->moveCurrent(up);
}

bool MainWindow::isContactRowSelected(int row) const {
  return m_contactSelectionHandler->isSelected(row);
}

void MainWindow::showCurrentContactMenu() {
  const int row = currentContactRow();
  if (row < 0) return;
  const QModelIndex i = m_contactListModel->index(row, 0);
  if (i.data(RAZ::Contacts::GroupRoles::IsGroupRole).toBool())
    m_menuHandler->popupGroupMenu(i.data(RAZ::Contacts::Contacts::ContactObjectRole));
  else
    m_menuHandler->showPopupMenu();
}

void MainWindow::triggerDefaultAction() {
  if (!m_actionsProvider) return;
  // A chat in the history opens the chat again, where the provider would
  // offer its first choice, a call.
  if (m_activeView == Utils::MainView::name(Utils::MainView::History)) {
    const QModelIndex i = m_timelineProxy->index(m_historyRow, 0);
    if (i.isValid() &&
        i.data(RAZ::Models::Timeline::KindRole).toInt() == RAZ::Models::CallLog::Chat &&
        m_actionsProvider->isEnabled(RAZ::Actions::Action::Chat)) {
      m_actionsProvider->trigger(RAZ::Actions::Action::Chat);
      return;
    }
  }
  if (m_actionsProvider->triggerDefaultAction() || !m_errorInfoModel) return;
  // Nothing to do with the row while the service is lost: the banner's
  // own explanation of what is missing says why.
  const QList<int> missing = m_errorInfoModel->types();
  for (int type : {int(Models::ErrorInfoModel::CallsUnavailable),
                   int(Models::ErrorInfoModel::ChatUnavailable)}) {
    const int row = missing.indexOf(type);
    if (row >= 0) {
      m_errorInfoModel->showExtendedInfo(row);
      return;
    }
  }
}

// --- search and dial string ---

void MainWindow::searchTextChanged(const QString& text, bool clearSelection) {
  m_searchText = text;
  hideContactMouseOver();
  if (m_activeView == Utils::MainView::name(Utils::MainView::Rooms)) {
    if (m_session && m_session->xmppChatController())
      m_session->xmppChatController()->chatRoomsFilterModel()->setFilterRegularExpression(
          QRegularExpression(QRegularExpression::escape(text),
                             QRegularExpression::CaseInsensitiveOption));
    return;
  }
  if (clearSelection) m_contactSelection->clear();
  const QString number = RAZ::Utils::PhoneNumberParser::normalizePhoneNumber(m_searchText);
  m_contactSource->removeSource(m_dialString);
  if (!text.trimmed().isEmpty()) {
    m_dialString->setData(
        RAZ::Actions::DialStringSource::NumberRole,
        RAZ::Utils::PhoneNumberParser::isValidPhoneNumber(number) ? number : QString());
    if (!m_dialString->number().isEmpty()) m_contactSource->addSource(m_dialString);
  }
  const QString dialable = text.trimmed().isEmpty() ? QString() : m_dialString->number();
  if (dialable != m_dialNumber) {
    m_dialNumber = dialable;
    emit dialNumberChanged();
  }
  // Typed text is matched as it stands: "+44" or "(555" are no patterns.
  m_searchFilter->setFilterText(text.trimmed());
  if (m_directoryFilter) m_directoryFilter->setSearchText(text.trimmed());
  if (m_searchManager) m_searchManager->search(text.trimmed());
  setListModel(currentContactsModel());
}

void MainWindow::dialpadTextChanged(const QString& text) {
  setProperty("dialpadText", text);
  const QString number = RAZ::Utils::PhoneNumberParser::normalizePhoneNumber(text);
  m_contactSource->removeSource(m_dialString);
  if (text.trimmed().isEmpty()) return;
  m_dialString->setData(
      RAZ::Actions::DialStringSource::NumberRole,
      RAZ::Utils::PhoneNumberParser::isValidPhoneNumber(number) ? number : QString());
  m_contactSource->addSource(m_dialString);
}

void MainWindow::callDialNumber() {
  const QString number = m_dialNumber;
  RAZ::Controllers::CommsSessionController* comms =
      m_session ? m_session->commsSessionController() : nullptr;
  RAZ::Contacts::Contacts* contacts = m_session ? m_session->contactsManager().data() : nullptr;
  if (number.isEmpty() || !comms || !contacts) return;
  // The number alone is called, whatever the list selects; the service
  // puts it through to whoever owns it.
  RAZ::Contacts::IContact* party = contacts->createTemporaryContact(
      {{QString::number(RAZ::Contacts::Properties::KeyWork), number}});
  if (QQuickItem* root = view() ? view()->rootObject() : nullptr)
    QMetaObject::invokeMethod(root, "clearSearchField");
  comms->createCall({RAZ::Contacts::ContactPtr(party)}, RAZ::Contacts::Properties::KeyWork,
                    RAZ::Actions::Action::Call);
}

void MainWindow::commActionTriggered(RAZ::Actions::ActionData& action) {
  if (!RAZ::Actions::Action::isCommunicationAction(action.getId())) return;
  if (QQuickItem* root = view() ? view()->rootObject() : nullptr)
    QMetaObject::invokeMethod(root, "clearSearchField");
  emit dialpadText(QString());
}

// --- history ---

void MainWindow::setTimelineFilter(int flag) {
  applyTimelineFilter(flag);
  setUserValue(Utils::SettingsKey::TimelineFilter, flag);
}

void MainWindow::applyTimelineFilter(int flag) {
  if (flag != 1 && (m_timelineFilterFlag == 0 || m_timelineFilterFlag == 1) && m_timelineProxy)
    m_timeline->clearMissedCalls();
  m_timelineFilterFlag = flag;
  emit timelineFilterFlagChanged();
  if (!m_timelineProxy) {
    m_timelineProxy = new RAZ::Models::TimelineFilter(this);
    m_timelineProxy->setSourceModel(m_timeline);
  }
  m_timelineProxy->setFlag(flag);
  if (QQmlContext* context = view() ? view()->rootContext() : nullptr)
    context->setContextProperty(QStringLiteral("proxytimelineModel"), m_timelineProxy);
}

}  // namespace QML
