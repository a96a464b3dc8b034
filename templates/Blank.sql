-- The empty track database. The build turns this into Blank.mdb beside the program;
-- every new database the coach makes is a copy of it.
--
-- Keys are AUTOINCREMENT so that a deleted row's Pin is never handed out again: list keys,
-- hidden sheet labels and link tables all carry Pins, and a reused one would point at the
-- wrong record.

CREATE TABLE Teams (
    Pin       INTEGER PRIMARY KEY AUTOINCREMENT,
    School    TEXT,
    Mascot    TEXT DEFAULT '',
    Coach     TEXT DEFAULT '',
    ContactNo TEXT DEFAULT ''
);

CREATE TABLE Runners (
    Pin         INTEGER PRIMARY KEY AUTOINCREMENT,
    Name        TEXT,
    PhoneNumber TEXT DEFAULT '',
    Address     TEXT DEFAULT '',
    Grade       INTEGER
);

-- MeetTime holds ISO text ('YYYY-MM-DD', or 'YYYY-MM-DD HH:MM:SS' with a time of day),
-- so that ORDER BY MeetTime is chronological.
CREATE TABLE Meets (
    Pin         INTEGER PRIMARY KEY AUTOINCREMENT,
    Weather     TEXT,
    MeetTime    DATETIME,
    Place       TEXT DEFAULT '',
    HostingTeam INTEGER
);

CREATE TABLE EventType (
    Pin     INTEGER PRIMARY KEY,
    Name    TEXT NOT NULL,
    isRelay BOOLEAN NOT NULL DEFAULT 0
);

CREATE TABLE Events (
    Pin   INTEGER PRIMARY KEY AUTOINCREMENT,
    Type  INTEGER,
    Place INTEGER DEFAULT 0
);

CREATE TABLE Runner_to_Team (
    Pin        INTEGER PRIMARY KEY AUTOINCREMENT,
    Runner_Pin INTEGER,
    Team_Pin   INTEGER
);

CREATE TABLE Meet_to_Team (
    Pin      INTEGER PRIMARY KEY AUTOINCREMENT,
    Meet_Pin INTEGER,
    Team_Pin INTEGER
);

CREATE TABLE Event_to_Meet (
    Pin       INTEGER PRIMARY KEY AUTOINCREMENT,
    Event_Pin INTEGER,
    Meet_Pin  INTEGER
);

-- One result slot. The meet sheet writes its first number into feet and Minutes and its
-- second into Inches and Seconds, so a slot always holds its mark twice.
CREATE TABLE Event_to_Runner (
    Pin        INTEGER PRIMARY KEY AUTOINCREMENT,
    Event_Pin  INTEGER,
    Runner_Pin INTEGER,
    feet       REAL DEFAULT 0,
    Inches     REAL DEFAULT 0,
    Minutes    REAL DEFAULT 0,
    Seconds    REAL DEFAULT 0,
    Points     REAL DEFAULT 0,
    Place      REAL DEFAULT 0
);

CREATE INDEX Runner_to_Team_Runner ON Runner_to_Team (Runner_Pin);
CREATE INDEX Runner_to_Team_Team ON Runner_to_Team (Team_Pin);
CREATE INDEX Meet_to_Team_Meet ON Meet_to_Team (Meet_Pin);
CREATE INDEX Meet_to_Team_Team ON Meet_to_Team (Team_Pin);
CREATE INDEX Event_to_Meet_Event ON Event_to_Meet (Event_Pin);
CREATE INDEX Event_to_Meet_Meet ON Event_to_Meet (Meet_Pin);
CREATE INDEX Event_to_Runner_Event ON Event_to_Runner (Event_Pin);
CREATE INDEX Event_to_Runner_Runner ON Event_to_Runner (Runner_Pin);
CREATE INDEX Meets_Host ON Meets (HostingTeam);
CREATE INDEX Events_Type ON Events (Type);
-- Creating a meet finds each new event by its marker Place = -1.
CREATE INDEX Events_Place ON Events (Place);

INSERT INTO EventType (Pin, Name, isRelay) VALUES
    (1, '100 Meter Dash', 0),
    (2, '200 Meter Dash', 0),
    (3, '400 Meter Dash', 0),
    (4, '800 Meter Dash', 0),
    (5, '1600 Meter Run', 0),
    (6, '3200 Meter Run', 0),
    (7, '300 Meter Hurdles', 0),
    (8, 'High Jump', 0),
    (9, 'Long Jump', 0),
    (10, 'Triple Jump', 0),
    (11, 'Pole Vault', 0),
    (12, 'Shot Put', 0),
    (13, 'Discus Throw', 0),
    (14, '400 Meter Relay', 1),
    (15, '800 Meter Relay', 1),
    (16, '1600 Meter Relay', 1),
    (17, '3200 Meter Relay', 1);

CREATE VIEW Runners_View AS
SELECT Runners.Pin            AS Pin,
       Runners.Pin            AS Runner_Pin,
       Runner_to_Team.Team_Pin AS Team_Pin,
       Runners.Name           AS Name,
       Runners.PhoneNumber    AS PhoneNumber,
       Runners.Address        AS Address,
       Runners.Grade          AS Grade,
       Teams.School           AS School
FROM Runners
JOIN Runner_to_Team ON Runner_to_Team.Runner_Pin = Runners.Pin
JOIN Teams ON Teams.Pin = Runner_to_Team.Team_Pin;

-- One row per meet and taking-part team; the host is kept optional because a new meet
-- has none yet.
CREATE VIEW Meets_Info AS
SELECT Meets.Pin             AS Meet_Pin,
       Meet_to_Team.Team_Pin AS Team_Pin,
       Meets.MeetTime        AS MeetTime,
       Meets.Weather         AS Weather,
       Meets.Place           AS Place,
       Meets.HostingTeam     AS HostingPin,
       Host.School           AS HostingSchool
FROM Meets
JOIN Meet_to_Team ON Meet_to_Team.Meet_Pin = Meets.Pin
LEFT JOIN Teams AS Host ON Host.Pin = Meets.HostingTeam;

-- One row per result slot. MeasureTime writes a mark the way track people read it:
-- a time under a minute as seconds (11.42), longer ones as m:ss.hh (4:35.20), and a field
-- mark as feet-inches (41-06.50, 5-10). A slot with no mark shows nothing.
CREATE VIEW Events_View AS
SELECT Slot.Pin          AS JoinPin,
       Events.Pin        AS event_Pin,
       Events.Type       AS Type,
       EventType.Name    AS EventName,
       EventType.isRelay AS isRelay,
       Slot.Runner_Pin   AS Runner_Pin,
       Runners.Name      AS Runners_Name,
       Event_to_Meet.Meet_Pin AS Meet_Pin,
       Meets.MeetTime    AS MeetTime,
       Host.School       AS HostingSchool,
       Slot.feet         AS Measure1,
       Slot.Inches       AS Measure2,
       CASE
           WHEN Slot.feet = 0 AND Slot.Inches = 0 THEN ''
           WHEN Events.Type BETWEEN 8 AND 13 THEN (
               SELECT CASE
                          WHEN i = CAST(i AS INTEGER) THEN printf('%d-%02d', f, CAST(i AS INTEGER))
                          ELSE printf('%d-%05.2f', f, i)
                      END
               FROM (SELECT CAST(ti / 12 AS INTEGER) AS f,
                            ti - CAST(ti / 12 AS INTEGER) * 12 AS i
                     FROM (SELECT round(Slot.feet * 12 + Slot.Inches, 2) AS ti)))
           ELSE (
               SELECT CASE
                          WHEN t < 60 THEN printf('%.2f', t)
                          ELSE printf('%d:%05.2f', CAST(t / 60 AS INTEGER),
                                      t - CAST(t / 60 AS INTEGER) * 60)
                      END
               FROM (SELECT round(Slot.Minutes * 60 + Slot.Seconds, 2) AS t))
       END               AS MeasureTime,
       Slot.Place        AS Place,
       Slot.Points       AS Points
FROM Event_to_Runner AS Slot
JOIN Events ON Events.Pin = Slot.Event_Pin
JOIN EventType ON EventType.Pin = Events.Type
JOIN Event_to_Meet ON Event_to_Meet.Event_Pin = Events.Pin
JOIN Meets ON Meets.Pin = Event_to_Meet.Meet_Pin
LEFT JOIN Teams AS Host ON Host.Pin = Meets.HostingTeam
LEFT JOIN Runners ON Runners.Pin = Slot.Runner_Pin;
