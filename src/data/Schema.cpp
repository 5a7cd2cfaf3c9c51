#include "data/Schema.h"

namespace schema {

namespace {

// Version 1: every table of the data model. Text columns ignore letter case in
// comparisons and sorting; typed number texts stay TEXT so they come back as typed.
QStringList tables()
{
    return {
        QStringLiteral(R"(CREATE TABLE UserInfo (
            UserID INTEGER PRIMARY KEY AUTOINCREMENT,
            fname TEXT COLLATE NOCASE, lname TEXT COLLATE NOCASE,
            username TEXT COLLATE NOCASE, password TEXT,
            age TEXT, sex TEXT COLLATE NOCASE,
            height_feet TEXT, height_inch TEXT, weight TEXT, waist TEXT,
            bodytype TEXT COLLATE NOCASE, bodytype_desired TEXT COLLATE NOCASE,
            Stomach TEXT COLLATE NOCASE, Arms TEXT COLLATE NOCASE, Goal TEXT COLLATE NOCASE,
            Chest TEXT COLLATE NOCASE, hip TEXT, thigh TEXT,
            calorie_limit TEXT, fat_limit TEXT, protein_limit TEXT, carbs_limit TEXT,
            popstatus INTEGER NOT NULL DEFAULT 1, musstatus INTEGER NOT NULL DEFAULT 1,
            tipstatus INTEGER NOT NULL DEFAULT 1, lastlogin INTEGER NOT NULL DEFAULT 0,
            loginstatus TEXT COLLATE NOCASE DEFAULT 'Y'))"),
        QStringLiteral(R"(CREATE TABLE schedule (
            schedule_number INTEGER PRIMARY KEY AUTOINCREMENT,
            username TEXT COLLATE NOCASE, date TEXT COLLATE NOCASE, dRepDate TEXT,
            morning_food TEXT COLLATE NOCASE, midday_food TEXT COLLATE NOCASE,
            evening_food TEXT COLLATE NOCASE, amount TEXT,
            total_fat REAL, total_calories REAL, total_protein REAL, total_fibre REAL,
            total_carbohydrate REAL, total_sodium REAL, total_cholestorol REAL))"),
        QStringLiteral(R"(CREATE TABLE food_Dictionary (
            name TEXT COLLATE NOCASE, food_type TEXT COLLATE NOCASE,
            fat REAL, protein REAL, Dietary_Fibre REAL, Carbohydrate REAL, calories REAL,
            sodium REAL, cholestorol REAL,
            amnt_per_serving TEXT COLLATE NOCASE, Scale TEXT COLLATE NOCASE,
            amount_flag TEXT COLLATE NOCASE, Description TEXT COLLATE NOCASE,
            breakfast_category TEXT COLLATE NOCASE, lunch_category TEXT COLLATE NOCASE,
            Dinner_category TEXT COLLATE NOCASE, healthy TEXT COLLATE NOCASE))"),
        QStringLiteral(R"(CREATE TABLE recipes (
            name TEXT COLLATE NOCASE, ingredients TEXT COLLATE NOCASE,
            Directions TEXT COLLATE NOCASE, Description TEXT COLLATE NOCASE,
            serving TEXT, calories TEXT, protein TEXT, fat TEXT, Carbohydrate TEXT, fibre TEXT,
            cholesterol TEXT, sodium TEXT, potasium TEXT))"),
        QStringLiteral(R"(CREATE TABLE calender_info (
            UserName TEXT COLLATE NOCASE, date TEXT COLLATE NOCASE, weight REAL,
            waist TEXT, hip TEXT, thigh TEXT, notes TEXT COLLATE NOCASE))"),
        QStringLiteral(R"(CREATE TABLE Category (
            catID INTEGER PRIMARY KEY, cName TEXT COLLATE NOCASE))"),
        QStringLiteral(R"(CREATE TABLE choices (
            cID INTEGER PRIMARY KEY, catID INTEGER, cName TEXT COLLATE NOCASE,
            cTitle TEXT COLLATE NOCASE, cDesc TEXT COLLATE NOCASE, cPic TEXT COLLATE NOCASE))"),
        QStringLiteral(R"(CREATE TABLE Dates (
            dID INTEGER PRIMARY KEY AUTOINCREMENT, dDate TEXT, dRepDate TEXT,
            cID INTEGER, uID INTEGER, username TEXT COLLATE NOCASE))"),
        QStringLiteral(R"(CREATE TABLE tTime (
            tID INTEGER PRIMARY KEY AUTOINCREMENT, tTime TEXT COLLATE NOCASE, tRepTime TEXT,
            cID INTEGER, dID INTEGER))"),
        QStringLiteral(R"(CREATE TABLE tips (
            tID INTEGER PRIMARY KEY, tName TEXT COLLATE NOCASE))"),
    };
}

// Version 2: the lookups every window makes per user and day, one account per
// log-in name, and the scheduled-exercise view the exercise report reads.
QStringList indexesAndView()
{
    return {
        QStringLiteral(
            "CREATE UNIQUE INDEX UserInfo_username ON UserInfo (username COLLATE NOCASE)"),
        QStringLiteral("CREATE INDEX schedule_user_date ON schedule (username, date)"),
        QStringLiteral("CREATE INDEX schedule_user_repdate ON schedule (username, dRepDate)"),
        QStringLiteral("CREATE INDEX food_name ON food_Dictionary (name)"),
        QStringLiteral("CREATE INDEX food_type_name ON food_Dictionary (food_type, name)"),
        QStringLiteral("CREATE INDEX recipes_name ON recipes (name)"),
        QStringLiteral("CREATE INDEX calender_user_date ON calender_info (UserName, date)"),
        QStringLiteral("CREATE INDEX choices_cat_name ON choices (catID, cName)"),
        QStringLiteral("CREATE INDEX Dates_user_date ON Dates (username, dDate)"),
        QStringLiteral("CREATE INDEX Dates_user_repdate ON Dates (username, dRepDate)"),
        QStringLiteral("CREATE INDEX tTime_dID ON tTime (dID)"),
        QStringLiteral(R"(CREATE VIEW ExerciseSchd AS
            SELECT Dates.dID AS dID, Dates.dDate AS dDate, Dates.dRepDate AS dRepDate,
                   Dates.username AS username, Dates.uID AS uID,
                   tTime.tID AS tID, tTime.tTime AS tTime, tTime.tRepTime AS tRepTime,
                   choices.cID AS cID, choices.cName AS cName, choices.cTitle AS cTitle,
                   choices.catID AS catID
            FROM Dates
            INNER JOIN tTime ON tTime.dID = Dates.dID
            INNER JOIN choices ON choices.cID = Dates.cID)"),
    };
}

} // namespace

QStringList step(int toVersion)
{
    switch (toVersion) {
    case 1:
        return tables();
    case 2:
        return indexesAndView();
    default:
        return {};
    }
}

} // namespace schema
