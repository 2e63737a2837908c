#include "db/Record.h"

DB_TABLE(Record,
         dbFieldDescriptor("barcode", &Record::barcode, dbIndexed),
         dbFieldDescriptor("string1", &Record::string1),
         dbFieldDescriptor("string2", &Record::string2),
         dbFieldDescriptor("string3", &Record::string3),
         dbFieldDescriptor("remark", &Record::remark),
         dbFieldDescriptor("count", &Record::count),
         dbFieldDescriptor("string4", &Record::string4),
         dbFieldDescriptor("string5", &Record::string5),
         dbFieldDescriptor("string6", &Record::string6));
