#pragma once

namespace RAZ {
namespace Contacts {

// The roles of a group's header row in a list of groups and their members:
// the contact list by group and the search results answer them alike, so a
// scene or a selection reads a header the same way in both. Each list
// derives its role names from here (ContactGroupsModel::IsGroupRole,
// SearchGroups::IsGroupRole are one role).
struct GroupRoles {
  enum GroupRole {
    IsGroupRole = 340,      // bool: the row is a header
    GroupIdRole = 341,      // int
    GroupNameRole = 342,    // text
    GroupObjectRole = 343,  // the group (QObject*)
    GroupOnlineRole = 344,  // int: online contacts of the group (the contact list)
    GroupTotalRole = 345,   // int: the group's rows
    // The search results' own: the group's search is out, why it failed,
    // its source had more matches than it sent, and whether it shows its rows.
    GroupSearchingRole = 346,
    GroupErrorRole = 347,
    GroupMoreRole = 348,
    GroupOpenRole = 349
  };
};

}  // namespace Contacts
}  // namespace RAZ
