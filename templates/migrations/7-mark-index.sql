-- The marks of an event's slots, kept in the index that finds the slots: the best mark of an
-- event type reads a thousand events' slots, each one otherwise a lookup in the table.
CREATE INDEX IF NOT EXISTS Event_to_Runner_Marks
    ON Event_to_Runner (Event_Pin, feet, Inches, Aided, Runner_Pin, Timing);
