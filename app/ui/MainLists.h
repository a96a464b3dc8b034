#pragma once

#include <QtGlobal>
#include <optional>

// The main window's list operations: the only way the editors refresh it.
class MainLists
{
public:
    virtual ~MainLists() = default;
    // The team list; its first team is selected and its runners and meets filled.
    virtual void buildSchoolList() = 0;
    // The runners of a team (the selected team when none is given), then its meets.
    virtual void buildTeamList(std::optional<qint64> team = std::nullopt) = 0;
    // The meets of the selected team.
    virtual void buildMeetList() = 0;
    virtual void buildEventList() = 0;
};
