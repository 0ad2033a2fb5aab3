<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
    <context>
        <name>frmMainWindow</name>
    <message>
        <location filename="../app/frmMainWindow.cpp" line="57"/>
        <source>No sales yet</source>
        <translation>لا توجد مبيعات بعد</translation>
    </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="14" />
            <source>Zarpo Accounting - Version </source>
            <translation>زاربو للمحاسبة - الإصدار </translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="46" />
            <source>Welcome</source>
            <translation>مرحبًا</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="58" />
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" color:#b67900;"&gt;Company&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" color:#b67900;"&gt;الشركة&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="120" />
            <source>Date</source>
            <translation>التاريخ</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="158" />
            <source>Dashboard</source>
            <translation>لوحة المعلومات</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="191" />
            <source>Last 7 Days' Sales</source>
            <translation>مبيعات آخر 7 أيام</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="277" />
            <source>Stock Validity:</source>
            <translation>صلاحية المخزون:</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="284" />
            <location filename="../app/frmMainWindow.ui" line="597" />
            <location filename="../app/frmMainWindow.ui" line="996" />
            <source>Reload</source>
            <translation>تحديث</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="319" />
            <source>Item Id</source>
            <translation>معرّف الصنف</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="324" />
            <source>Item No.</source>
            <translation>رقم الصنف</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="329" />
            <source>Item Name</source>
            <translation>اسم الصنف</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="334" />
            <source>UOM</source>
            <translation>الوحدة</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="339" />
            <source>Qty.</source>
            <translation>الكمية</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="344" />
            <source>Expires Within</source>
            <translation>ينتهي خلال</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="356" />
            <location filename="../app/frmMainWindow.ui" line="1260" />
            <source>Purchasing</source>
            <translation>المشتريات</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="422" />
            <location filename="../app/frmMainWindow.ui" line="1602" />
            <source>Purchase Order</source>
            <translation>أمر شراء</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="453" />
            <location filename="../app/frmMainWindow.ui" line="1264" />
            <source>Vendors</source>
            <translation>الموردون</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="484" />
            <location filename="../app/frmMainWindow.ui" line="1610" />
            <source>Purchase Invoice</source>
            <translation>فاتورة مشتريات</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="515" />
            <location filename="../app/frmMainWindow.ui" line="1618" />
            <source>Purchase Refund</source>
            <translation>مرتجع مشتريات</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="590" />
            <source>Vendors:</source>
            <translation>الموردون:</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="694" />
            <source>Items On Purchase Order</source>
            <translation>أصناف في أوامر الشراء</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="724" />
            <location filename="../app/frmMainWindow.ui" line="1279" />
            <source>Sales</source>
            <translation>المبيعات</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="790" />
            <location filename="../app/frmMainWindow.ui" line="1634" />
            <source>Sales Quote</source>
            <translation>عرض سعر</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="821" />
            <location filename="../app/frmMainWindow.ui" line="1156" />
            <source>Customers</source>
            <translation>العملاء</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="852" />
            <location filename="../app/frmMainWindow.ui" line="1642" />
            <source>Sales Order</source>
            <translation>أمر بيع</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="883" />
            <location filename="../app/frmMainWindow.ui" line="1650" />
            <source>Sales Invoice</source>
            <translation>فاتورة مبيعات</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="914" />
            <location filename="../app/frmMainWindow.ui" line="1658" />
            <source>Sales Refund</source>
            <translation>مرتجع مبيعات</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="989" />
            <source>Customers:</source>
            <translation>العملاء:</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1093" />
            <source>Items On Sales Order</source>
            <translation>أصناف في أوامر البيع</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1136" />
            <source>Main</source>
            <translation>الرئيسية</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1145" />
            <source>CRM</source>
            <translation>إدارة العملاء</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1149" />
            <source>Persons</source>
            <translation>الأشخاص</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1166" />
            <source>Company</source>
            <translation>الشركة</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1170" />
            <source>Departments</source>
            <translation>الأقسام</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1177" />
            <source>Employees</source>
            <translation>الموظفون</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1184" />
            <source>Users</source>
            <translation>المستخدمون</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1191" />
            <location filename="../app/frmMainWindow.ui" line="1209" />
            <source>Items</source>
            <translation>الأصناف</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1195" />
            <source>Categories</source>
            <translation>فئات الأصناف</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1202" />
            <source>Units of Measure</source>
            <translation>وحدات القياس</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1227" />
            <source>Accounting</source>
            <translation>المحاسبة</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1231" />
            <source>Accounts</source>
            <translation>الحسابات</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1238" />
            <source>Currencies</source>
            <translation>العملات</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1245" />
            <source>Fiscal Year</source>
            <translation>السنة المالية</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1291" />
            <source>Reports</source>
            <translation>التقارير</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1297" />
            <source>Tools</source>
            <translation>أدوات</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1301" />
            <source>Company Database</source>
            <translation>قاعدة بيانات الشركة</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1313" />
            <source>Help</source>
            <translation>مساعدة</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1344" />
            <source>Change Password</source>
            <translation>تغيير كلمة المرور</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1349" />
            <source>Logout</source>
            <translation>تسجيل الخروج</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1354" />
            <source>Exit</source>
            <translation>خروج</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1362" />
            <location filename="../app/frmMainWindow.ui" line="1378" />
            <location filename="../app/frmMainWindow.ui" line="1394" />
            <location filename="../app/frmMainWindow.ui" line="1410" />
            <location filename="../app/frmMainWindow.ui" line="1426" />
            <location filename="../app/frmMainWindow.ui" line="1442" />
            <location filename="../app/frmMainWindow.ui" line="1458" />
            <location filename="../app/frmMainWindow.ui" line="1474" />
            <location filename="../app/frmMainWindow.ui" line="1506" />
            <location filename="../app/frmMainWindow.ui" line="1522" />
            <location filename="../app/frmMainWindow.ui" line="1538" />
            <location filename="../app/frmMainWindow.ui" line="1586" />
            <source>View</source>
            <translation>عرض</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1370" />
            <location filename="../app/frmMainWindow.ui" line="1386" />
            <location filename="../app/frmMainWindow.ui" line="1402" />
            <location filename="../app/frmMainWindow.ui" line="1418" />
            <location filename="../app/frmMainWindow.ui" line="1434" />
            <location filename="../app/frmMainWindow.ui" line="1450" />
            <location filename="../app/frmMainWindow.ui" line="1466" />
            <location filename="../app/frmMainWindow.ui" line="1482" />
            <location filename="../app/frmMainWindow.ui" line="1514" />
            <location filename="../app/frmMainWindow.ui" line="1530" />
            <location filename="../app/frmMainWindow.ui" line="1546" />
            <location filename="../app/frmMainWindow.ui" line="1594" />
            <source>Add</source>
            <translation>إضافة</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1490" />
            <source>Inventory</source>
            <translation>المخزون</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1498" />
            <source>Company Info</source>
            <translation>بيانات الشركة</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1554" />
            <source>Day Cash</source>
            <translation>نقدية اليوم</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1562" />
            <source>Item Capital</source>
            <translation>رأس مال الأصناف</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1570" />
            <source>Sales Profit</source>
            <translation>أرباح المبيعات</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1578" />
            <source>General Journal</source>
            <translation>اليومية العامة</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1626" />
            <source>Purchase Payment</source>
            <translation>مدفوعات الموردين</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1666" />
            <source>Sales Payment</source>
            <translation>مقبوضات العملاء</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1674" />
            <source>Reports Center</source>
            <translation>مركز التقارير</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1682" />
            <source>Backup</source>
            <translation>نسخ احتياطي</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1690" />
            <source>Restore</source>
            <translation>استعادة</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1701" />
            <source>Preferences</source>
            <translation>التفضيلات</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1709" />
            <source>Settings</source>
            <translation>الإعدادات</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.ui" line="1717" />
            <source>About</source>
            <translation>حول البرنامج</translation>
        </message>
        <message>
            <source>Accounting Backup</source>
            <translation>نسخة احتياطية للحسابات</translation>
        </message>
        <message>
            <source>Accounting Restore</source>
            <translation>استعادة نسخة احتياطية للحسابات</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.cpp" line="195" />
            <source>Vendor ID</source>
            <translation>معرّف المورد</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.cpp" line="195" />
            <source>Vendor Name</source>
            <translation>اسم المورد</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.cpp" line="195" />
            <source>Contact Name</source>
            <translation>اسم جهة الاتصال</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.cpp" line="195" />
            <location filename="../app/frmMainWindow.cpp" line="217" />
            <source>Phone</source>
            <translation>الهاتف</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.cpp" line="195" />
            <location filename="../app/frmMainWindow.cpp" line="217" />
            <source>Balance</source>
            <translation>الرصيد</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.cpp" line="217" />
            <source>Customer ID</source>
            <translation>معرّف العميل</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.cpp" line="217" />
            <source>Customer Name</source>
            <translation>اسم العميل</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.cpp" line="217" />
            <source>Contact Person</source>
            <translation>جهة الاتصال</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.cpp" line="238" />
            <source>Item ID</source>
            <translation>معرّف الصنف</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.cpp" line="238" />
            <source>Unit Of Measure</source>
            <translation>وحدة القياس</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.cpp" line="238" />
            <source>Ordered Qty.</source>
            <translation>الكمية المطلوبة</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.cpp" line="280" />
            <source>Expired</source>
            <translation>منتهي الصلاحية</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.cpp" line="283" />
            <source>A Week</source>
            <translation>أسبوع</translation>
        </message>
        <message>
            <location filename="../app/frmMainWindow.cpp" line="286" />
            <source>A Month</source>
            <translation>شهر</translation>
        </message>
    </context>
    <context>
        <name>frmAddCompany</name>
        <message>
            <location filename="../work/main/core/frmAddCompany.ui" line="14" />
            <source>Add Company</source>
            <translation>إضافة شركة</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmAddCompany.ui" line="20" />
            <source>&lt;span style=" font-size:12pt; color:#00557f;"&gt;Add new company...&lt;/span&gt;</source>
            <translation>&lt;span style=" font-size:12pt; color:#00557f;"&gt;إضافة شركة جديدة...&lt;/span&gt;</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmAddCompany.ui" line="32" />
            <source>Server Host/Port:</source>
            <translation>الخادم / المنفذ:</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmAddCompany.ui" line="39" />
            <source>localhost</source>
            <translation>localhost</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmAddCompany.ui" line="52" />
            <source>1212</source>
            <translation>1212</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmAddCompany.ui" line="59" />
            <source>Server Username:</source>
            <translation>اسم مستخدم الخادم:</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmAddCompany.ui" line="66" />
            <source>root</source>
            <translation>root</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmAddCompany.ui" line="73" />
            <source>Server Password:</source>
            <translation>كلمة مرور الخادم:</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmAddCompany.ui" line="80" />
            <source>KWZ407</source>
            <translation>KWZ407</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmAddCompany.ui" line="90" />
            <source>Test Connection</source>
            <translation>اختبار الاتصال</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmAddCompany.ui" line="97" />
            <source>Database:</source>
            <translation>قاعدة البيانات:</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmAddCompany.ui" line="131" />
            <source>Save</source>
            <translation>حفظ</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmAddCompany.cpp" line="53" />
            <source>Incorrect connection paramters for the following error:
</source>
            <translation>بيانات الاتصال غير صحيحة للخطأ التالي:
</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmAddCompany.cpp" line="60" />
            <source>Connection to host succeeded</source>
            <translation>تم الاتصال بالخادم بنجاح</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmAddCompany.cpp" line="124" />
            <source>The company could not be saved in the settings file.</source>
            <translation>تعذر حفظ الشركة في ملف الإعدادات.</translation>
        </message>
    </context>
    <context>
        <name>frmLogin</name>
        <message>
            <location filename="../work/main/core/frmLogin.ui" line="14" />
            <location filename="../work/main/core/frmLogin.ui" line="227" />
            <source>Login</source>
            <translation>دخول</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmLogin.ui" line="144" />
            <source>Company:</source>
            <translation>الشركة:</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmLogin.ui" line="166" />
            <source>Remove From Companies</source>
            <translation>إزالة من قائمة الشركات</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmLogin.ui" line="169" />
            <location filename="../work/main/core/frmLogin.ui" line="183" />
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmLogin.ui" line="180" />
            <source>Edit</source>
            <translation>تعديل</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmLogin.ui" line="196" />
            <source>Username:</source>
            <translation>اسم المستخدم:</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmLogin.ui" line="203" />
            <source>admin</source>
            <translation>admin</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmLogin.ui" line="210" />
            <source>Password:</source>
            <translation>كلمة المرور:</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmLogin.ui" line="217" />
            <source>tavle</source>
            <translation>tavle</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmLogin.ui" line="241" />
            <source>Cancel</source>
            <translation>إلغاء</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmLogin.ui" line="252" />
            <source>&lt;span style=" font-weight:600; color:#ff0000;"&gt;Incorrect Login Parameters&lt;/span&gt;</source>
            <translation>&lt;span style=" font-weight:600; color:#ff0000;"&gt;بيانات الدخول غير صحيحة&lt;/span&gt;</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmLogin.cpp" line="38" />
            <source>&lt;Add New&gt;</source>
            <translation>&lt;إضافة جديد&gt;</translation>
        </message>
        <message>
            <location filename="../work/main/core/frmLogin.cpp" line="177" />
            <source>The language could not be saved in the settings file.</source>
            <translation>تعذر حفظ اللغة في ملف الإعدادات.</translation>
        </message>
        <message>
            <source>Zarpo could not be restarted. The new language applies at the next start.</source>
            <translation>تعذّرت إعادة تشغيل Zarpo. ستُطبَّق اللغة الجديدة عند التشغيل التالي.</translation>
        </message>
    </context>
    <context>
        <name>frmAbout</name>
        <message>
            <location filename="../app/frmAbout.ui" line="78" />
            <source>About</source>
            <translation>حول البرنامج</translation>
        </message>
        <message>
            <location filename="../app/frmAbout.ui" line="106" />
            <source>Version: </source>
            <translation>الإصدار: </translation>
        </message>
        <message>
            <location filename="../app/frmAbout.ui" line="152" />
            <source>Close</source>
            <translation>إغلاق</translation>
        </message>
    </context>
    <context>
        <name>frmPreferences</name>
        <message>
            <location filename="../app/frmPreferences.ui" line="14" />
            <source>Preferences</source>
            <translation>التفضيلات</translation>
        </message>
    </context>
    <context>
        <name>frmUserChangePassword</name>
        <message>
            <location filename="../partners/frmUserChangePassword.ui" line="14" />
            <source>Change Password</source>
            <translation>تغيير كلمة المرور</translation>
        </message>
        <message>
            <location filename="../partners/frmUserChangePassword.ui" line="22" />
            <source>Username:</source>
            <translation>اسم المستخدم:</translation>
        </message>
        <message>
            <location filename="../partners/frmUserChangePassword.ui" line="45" />
            <source>Old password:</source>
            <translation>كلمة المرور القديمة:</translation>
        </message>
        <message>
            <location filename="../partners/frmUserChangePassword.ui" line="65" />
            <source>New password:</source>
            <translation>كلمة المرور الجديدة:</translation>
        </message>
        <message>
            <location filename="../partners/frmUserChangePassword.ui" line="85" />
            <source>Confirm password:</source>
            <translation>تأكيد كلمة المرور:</translation>
        </message>
        <message>
            <location filename="../partners/frmUserChangePassword.ui" line="109" />
            <source>Save and Close</source>
            <translation>حفظ وإغلاق</translation>
        </message>
        <message>
            <location filename="../partners/frmUserChangePassword.cpp" line="48" />
            <source>Insert password</source>
            <translation>أدخل كلمة المرور</translation>
        </message>
        <message>
            <location filename="../partners/frmUserChangePassword.cpp" line="52" />
            <source>Password and its confirmation dosn't match</source>
            <translation>كلمة المرور وتأكيدها غير متطابقتين</translation>
        </message>
        <message>
            <location filename="../partners/frmUserChangePassword.cpp" line="66" />
            <source>Invalid user</source>
            <translation>مستخدم غير صالح</translation>
        </message>
        <message>
            <location filename="../partners/frmUserChangePassword.cpp" line="70" />
            <source>Incorrect password</source>
            <translation>كلمة المرور غير صحيحة</translation>
        </message>
    </context>
    <context>
        <name>cDbManinpulation</name>
        <message>
            <source>%1 could not be started.</source>
            <translation>تعذّر تشغيل %1.</translation>
        </message>
        <message>
            <source>%1 stopped unexpectedly.</source>
            <translation>توقف %1 على نحو غير متوقع.</translation>
        </message>
        <message>
            <source>%1 ended with exit code %2.</source>
            <translation>انتهى %1 برمز الخروج %2.</translation>
        </message>
        <message>
            <source>The backup was not made: the MariaDB dump tool (mariadb-dump or mysqldump) was not found in the folder mysql/bin beside Zarpo or on the PATH.</source>
            <translation>لم تُنشأ النسخة الاحتياطية: لم يُعثر على أداة النسخ من MariaDB ‏(mariadb-dump أو mysqldump) في المجلد mysql/bin بجوار Zarpo ولا في مسارات النظام (PATH).</translation>
        </message>
        <message>
            <source>The backup was not made: the file %1 cannot be written.</source>
            <translation>لم تُنشأ النسخة الاحتياطية: تتعذّر الكتابة في الملف %1.</translation>
        </message>
        <message>
            <source>The backup was not made:</source>
            <translation>لم تُنشأ النسخة الاحتياطية:</translation>
        </message>
        <message>
            <source>The backup was not restored: the MariaDB client tool (mariadb or mysql) was not found in the folder mysql/bin beside Zarpo or on the PATH.</source>
            <translation>لم تُستعد النسخة الاحتياطية: لم يُعثر على أداة العميل من MariaDB ‏(mariadb أو mysql) في المجلد mysql/bin بجوار Zarpo ولا في مسارات النظام (PATH).</translation>
        </message>
        <message>
            <source>The backup was not restored: the file %1 cannot be read.</source>
            <translation>لم تُستعد النسخة الاحتياطية: تتعذّر قراءة الملف %1.</translation>
        </message>
        <message>
            <source>The restore failed:</source>
            <translation>فشلت الاستعادة:</translation>
        </message>
    </context>
    <context>
        <name>frmCompanyInfo</name>
        <message>
            <source>Company Info</source>
            <translation>بيانات الشركة</translation>
        </message>
        <message>
            <source>Company Name:</source>
            <translation>اسم الشركة:</translation>
        </message>
        <message>
            <source>Save and close</source>
            <translation>حفظ وإغلاق</translation>
        </message>
        <message>
            <source>Address:</source>
            <translation>العنوان:</translation>
        </message>
        <message>
            <source>Phone:</source>
            <translation>الهاتف:</translation>
        </message>
        <message>
            <source>Save failed:
</source>
            <translation>فشل الحفظ:
</translation>
        </message>
    </context>
    <context>
        <name>frmSettings</name>
        <message>
            <source>Settings</source>
            <translation>الإعدادات</translation>
        </message>
        <message>
            <source>Accounts</source>
            <translation>الحسابات</translation>
        </message>
        <message>
            <source>Purchase</source>
            <translation>المشتريات</translation>
        </message>
        <message>
            <source>Accounts Payable</source>
            <translation>حساب الدائنين</translation>
        </message>
        <message>
            <source>Purchasing</source>
            <translation>حساب المشتريات</translation>
        </message>
        <message>
            <source>Purchasing Refunds Account</source>
            <translation>حساب مرتجعات المشتريات</translation>
        </message>
        <message>
            <source>Sales</source>
            <translation>المبيعات</translation>
        </message>
        <message>
            <source>Accounts Receivable</source>
            <translation>حساب المدينين</translation>
        </message>
        <message>
            <source>Sales Refunds Account</source>
            <translation>حساب مرتجعات المبيعات</translation>
        </message>
        <message>
            <source>Payroll</source>
            <translation>الرواتب</translation>
        </message>
        <message>
            <source>Salary &amp; Wages</source>
            <translation>الرواتب والأجور</translation>
        </message>
        <message>
            <source>Payment Method</source>
            <translation>طرق الدفع</translation>
        </message>
        <message>
            <source>Safe</source>
            <translation>الخزينة</translation>
        </message>
        <message>
            <source>Check Bank Account</source>
            <translation>حساب الشيكات البنكي</translation>
        </message>
        <message>
            <source>Credit Card Account</source>
            <translation>حساب بطاقات الائتمان</translation>
        </message>
        <message>
            <source>Interface</source>
            <translation>الواجهة</translation>
        </message>
        <message>
            <source>Language:</source>
            <translation>اللغة:</translation>
        </message>
        <message>
            <source>Show Discount and Tax in Invoices</source>
            <translation>إظهار الخصم والضريبة في الفواتير</translation>
        </message>
        <message>
            <source>Backup</source>
            <translation>النسخ الاحتياطي</translation>
        </message>
        <message>
            <source>Perform automatic backup each time the system is closed.</source>
            <translation>إجراء نسخ احتياطي تلقائي عند كل إغلاق للنظام.‏</translation>
        </message>
        <message>
            <source>Automatic Backup Path</source>
            <translation>مسار النسخ الاحتياطي التلقائي</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>Save and Close</source>
            <translation>حفظ وإغلاق</translation>
        </message>
        <message>
            <source>Choose an account in every box of the Accounts tab.</source>
            <translation>اختر حساباً في كل خانة من صفحة الحسابات.</translation>
        </message>
        <message>
            <source>The settings could not be saved in the settings file.</source>
            <translation>تعذّر حفظ الإعدادات في ملف الإعدادات.</translation>
        </message>
        <message>
            <source>UI language has changed, that requires the application to restart. Would you like to restart it now?</source>
            <translation>تغيّرت لغة الواجهة، ويتطلب ذلك إعادة تشغيل البرنامج. هل تريد إعادة تشغيله الآن؟</translation>
        </message>
        <message>
            <source>Zarpo could not be restarted. The new language applies at the next start.</source>
            <translation>تعذّرت إعادة تشغيل Zarpo. ستُطبَّق اللغة الجديدة عند التشغيل التالي.</translation>
        </message>
    </context>
    <context>
        <name>frmAccounts</name>
        <message>
            <source>Accounts</source>
            <translation>الحسابات</translation>
        </message>
        <message>
            <source>Type:</source>
            <translation>النوع:</translation>
        </message>
        <message>
            <source>Currency:</source>
            <translation>العملة:</translation>
        </message>
        <message>
            <source>Account No.:</source>
            <translation>رقم الحساب:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;Account Number:&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Account No must be&lt;span style=" text-decoration: underline; color:#aa0000;"&gt; less than&lt;/span&gt; the parent Account number.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;رقم الحساب:&lt;/span&gt;&lt;/p&gt;&lt;p&gt;يجب أن يكون رقم الحساب&lt;span style=" text-decoration: underline; color:#aa0000;"&gt; أقل من&lt;/span&gt; رقم الحساب الرئيسي.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Description:</source>
            <translation>الوصف:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;Account Description:&lt;/span&gt;&lt;/p&gt;&lt;p&gt;A name to the account to make it easy to find this account in future use.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;وصف الحساب:&lt;/span&gt;&lt;/p&gt;&lt;p&gt;اسم للحساب يسهّل العثور عليه عند استخدامه لاحقاً.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Parent Account:</source>
            <translation>الحساب الرئيسي:</translation>
        </message>
        <message>
            <source>No Parent Account</source>
            <translation>بدون حساب رئيسي</translation>
        </message>
        <message>
            <source>New</source>
            <translation>جديد</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>حفظ</translation>
        </message>
        <message>
            <source>Save and Close</source>
            <translation>حفظ وإغلاق</translation>
        </message>
        <message>
            <source>Account No.</source>
            <translation>رقم الحساب</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>الوصف</translation>
        </message>
        <message>
            <source>Currency</source>
            <translation>العملة</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>النوع</translation>
        </message>
        <message>
            <source>AccountId</source>
            <translation>معرّف الحساب</translation>
        </message>
        <message>
            <source>&lt;Add New&gt;</source>
            <translation>&lt;إضافة جديد&gt;</translation>
        </message>
        <message>
            <source>This account number / description is already taken</source>
            <translation>رقم الحساب أو وصفه مستخدم بالفعل</translation>
        </message>
    </context>
    <context>
        <name>frmAccountsView</name>
        <message>
            <source>View Accounts </source>
            <translation>دليل الحسابات</translation>
        </message>
        <message>
            <source>Account No.</source>
            <translation>رقم الحساب</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>الوصف</translation>
        </message>
        <message>
            <source>Currency</source>
            <translation>العملة</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>النوع</translation>
        </message>
        <message>
            <source>AccountId</source>
            <translation>معرّف الحساب</translation>
        </message>
        <message>
            <source>IsPredefined</source>
            <translation>معرّف مسبقاً</translation>
        </message>
        <message>
            <source>New</source>
            <translation>جديد</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>تعديل</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>حذف</translation>
        </message>
        <message>
            <source>Cannot delete the selected account because it is required in other opeations in the system</source>
            <translation>لا يمكن حذف الحساب المحدد لأنه مطلوب في عمليات أخرى بالنظام</translation>
        </message>
        <message>
            <source>Delete account: </source>
            <translation>حذف الحساب: </translation>
        </message>
    </context>
    <context>
        <name>frmCurrencies</name>
        <message>
            <source>Currencies</source>
            <translation>العملات</translation>
        </message>
        <message>
            <source>Currency:</source>
            <translation>العملة:</translation>
        </message>
        <message>
            <source>New</source>
            <translation>جديد</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>حفظ</translation>
        </message>
        <message>
            <source>Save and Close</source>
            <translation>حفظ وإغلاق</translation>
        </message>
        <message>
            <source>Character Map</source>
            <translation>خريطة الحروف</translation>
        </message>
        <message>
            <source>Symbol:</source>
            <translation>الرمز:</translation>
        </message>
        <message>
            <source>Insert currency name</source>
            <translation>أدخل اسم العملة</translation>
        </message>
    </context>
    <context>
        <name>frmCurrenciesView</name>
        <message>
            <source>View Currencies</source>
            <translation>عرض العملات</translation>
        </message>
        <message>
            <source>New</source>
            <translation>جديد</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>تعديل</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>حذف</translation>
        </message>
        <message>
            <source>Set Default</source>
            <translation>تعيين كافتراضية</translation>
        </message>
        <message>
            <source>Currency</source>
            <translation>العملة</translation>
        </message>
        <message>
            <source>Symbol</source>
            <translation>الرمز</translation>
        </message>
    </context>
    <context>
        <name>frmFiscalYear</name>
        <message>
            <source>Fiscal Year</source>
            <translation>السنة المالية</translation>
        </message>
        <message>
            <source>From:</source>
            <translation>من:</translation>
        </message>
        <message>
            <source>To:</source>
            <translation>إلى:</translation>
        </message>
        <message>
            <source>The year is closed</source>
            <translation>السنة مقفلة</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>حفظ</translation>
        </message>
    </context>
    <context>
        <name>frmFiscalYearView</name>
        <message>
            <source>View Fiscal Years</source>
            <translation>عرض السنوات المالية</translation>
        </message>
        <message>
            <source>New</source>
            <translation>جديد</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>تعديل</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>حذف</translation>
        </message>
        <message>
            <source>From</source>
            <translation>من</translation>
        </message>
        <message>
            <source>To</source>
            <translation>إلى</translation>
        </message>
        <message>
            <source>Year Closed</source>
            <translation>السنة مقفلة</translation>
        </message>
    </context>
    <context>
        <name>frmDepartments</name>
        <message>
            <location filename="../partners/frmDepartments.ui" line="14" />
            <source>Departments</source>
            <translation>الأقسام</translation>
        </message>
        <message>
            <location filename="../partners/frmDepartments.ui" line="20" />
            <source>Department:</source>
            <translation>القسم:</translation>
        </message>
        <message>
            <location filename="../partners/frmDepartments.ui" line="34" />
            <source>New</source>
            <translation>جديد</translation>
        </message>
        <message>
            <location filename="../partners/frmDepartments.ui" line="41" />
            <source>Save</source>
            <translation>حفظ</translation>
        </message>
        <message>
            <location filename="../partners/frmDepartments.ui" line="48" />
            <source>Save and Close</source>
            <translation>حفظ وإغلاق</translation>
        </message>
    </context>
    <context>
        <name>frmDepartmentsView</name>
        <message>
            <location filename="../partners/frmDepartmentsView.ui" line="14" />
            <source>View Departments</source>
            <translation>عرض الأقسام</translation>
        </message>
        <message>
            <location filename="../partners/frmDepartmentsView.ui" line="35" />
            <source>New</source>
            <translation>جديد</translation>
        </message>
        <message>
            <location filename="../partners/frmDepartmentsView.ui" line="42" />
            <source>Edit</source>
            <translation>تعديل</translation>
        </message>
        <message>
            <location filename="../partners/frmDepartmentsView.ui" line="49" />
            <source>Delete</source>
            <translation>حذف</translation>
        </message>
        <message>
            <location filename="../partners/frmDepartmentsView.cpp" line="32" />
            <source>Department</source>
            <translation>القسم</translation>
        </message>
    </context>
    <context>
        <name>frmEmployees</name>
        <message>
            <location filename="../partners/frmEmployees.ui" line="14" />
            <source>Employee</source>
            <translation>الموظف</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="24" />
            <source>Employee Info</source>
            <translation>بيانات الموظف</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="30" />
            <source>Person name:</source>
            <translation>اسم الشخص:</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="47" />
            <source>Active</source>
            <translation>نشط</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="57" />
            <source>Job title:</source>
            <translation>المسمى الوظيفي:</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="77" />
            <source>Manager:</source>
            <translation>المدير:</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="94" />
            <source>Department:</source>
            <translation>القسم:</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="111" />
            <source>Social Insurance No.:</source>
            <translation>رقم التأمين الاجتماعي:</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="131" />
            <source>Birth date:</source>
            <translation>تاريخ الميلاد:</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="148" />
            <source>Hire date:</source>
            <translation>تاريخ التعيين:</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="165" />
            <source>Termination date:</source>
            <translation>تاريخ انتهاء الخدمة:</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="182" />
            <source>Pay periods per year:</source>
            <translation>عدد مرات الدفع في السنة:</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="237" />
            <source>Annual salary</source>
            <translation>الراتب السنوي</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="263" />
            <source>Bank account No.:</source>
            <translation>رقم الحساب البنكي:</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="283" />
            <source>Image:</source>
            <translation>الصورة:</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="308" />
            <source>Notes:</source>
            <translation>ملاحظات:</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="319" />
            <source>Characteristics</source>
            <translation>الخصائص</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="327" />
            <source>Characteristic:</source>
            <translation>الخاصية:</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="341" />
            <source>Value:</source>
            <translation>القيمة:</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="372" />
            <source>Remove</source>
            <translation>إزالة</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="379" />
            <source>Add</source>
            <translation>إضافة</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="398" />
            <source>CharId</source>
            <translation>رقم الخاصية</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="403" />
            <source>Charachteristic</source>
            <translation>الخاصية</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="408" />
            <source>Value</source>
            <translation>القيمة</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="413" />
            <source>IsUpdated</source>
            <translation>معدلة</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="462" />
            <source>New</source>
            <translation>جديد</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="469" />
            <source>Save</source>
            <translation>حفظ</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="476" />
            <source>Save and Close</source>
            <translation>حفظ وإغلاق</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.ui" line="483" />
            <source>Calculator</source>
            <translation>الآلة الحاسبة</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.cpp" line="87" />
            <location filename="../partners/frmEmployees.cpp" line="93" />
            <source>&lt;Add New&gt;</source>
            <translation>&lt;إضافة جديد&gt;</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.cpp" line="137" />
            <location filename="../partners/frmEmployees.cpp" line="196" />
            <source>No image available</source>
            <translation>لا توجد صورة</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployees.cpp" line="142" />
            <location filename="../partners/frmEmployees.cpp" line="196" />
            <source>Image available</source>
            <translation>توجد صورة</translation>
        </message>
    </context>
    <context>
        <name>frmEmployeesView</name>
        <message>
            <location filename="../partners/frmEmployeesView.ui" line="14" />
            <source>View Employees</source>
            <translation>عرض الموظفين</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployeesView.ui" line="20" />
            <source>Show Inactive employees</source>
            <translation>إظهار الموظفين غير النشطين</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployeesView.ui" line="42" />
            <source>New</source>
            <translation>جديد</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployeesView.ui" line="49" />
            <source>Edit</source>
            <translation>تعديل</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployeesView.ui" line="56" />
            <source>Delete</source>
            <translation>حذف</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployeesView.cpp" line="48" />
            <source>Name</source>
            <translation>الاسم</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployeesView.cpp" line="48" />
            <source>Job Title</source>
            <translation>المسمى الوظيفي</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployeesView.cpp" line="48" />
            <source>Manager Name</source>
            <translation>اسم المدير</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployeesView.cpp" line="49" />
            <source>Department</source>
            <translation>القسم</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployeesView.cpp" line="49" />
            <source>SIN</source>
            <translation>رقم التأمين الاجتماعي</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployeesView.cpp" line="49" />
            <source>Birth Date</source>
            <translation>تاريخ الميلاد</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployeesView.cpp" line="50" />
            <source>Hire Date</source>
            <translation>تاريخ التعيين</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployeesView.cpp" line="50" />
            <source>Termination Date</source>
            <translation>تاريخ انتهاء الخدمة</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployeesView.cpp" line="50" />
            <source>Pay Periods By Year</source>
            <translation>عدد مرات الدفع في السنة</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployeesView.cpp" line="51" />
            <source>Annual Salary</source>
            <translation>الراتب السنوي</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployeesView.cpp" line="51" />
            <source>Bank Account No.</source>
            <translation>رقم الحساب البنكي</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployeesView.cpp" line="51" />
            <source>Active</source>
            <translation>نشط</translation>
        </message>
        <message>
            <location filename="../partners/frmEmployeesView.cpp" line="52" />
            <source>Notes</source>
            <translation>ملاحظات</translation>
        </message>
    </context>
    <context>
        <name>frmPersons</name>
        <message>
            <location filename="../partners/frmPersons.ui" line="17" />
            <source>Contact Persons</source>
            <translation>جهات الاتصال</translation>
        </message>
        <message>
            <location filename="../partners/frmPersons.ui" line="25" />
            <source>Name:</source>
            <translation>الاسم:</translation>
        </message>
        <message>
            <location filename="../partners/frmPersons.ui" line="39" />
            <source>Street 1:</source>
            <translation>الشارع 1:</translation>
        </message>
        <message>
            <location filename="../partners/frmPersons.ui" line="53" />
            <source>Street 2:</source>
            <translation>الشارع 2:</translation>
        </message>
        <message>
            <location filename="../partners/frmPersons.ui" line="67" />
            <source>City:</source>
            <translation>المدينة:</translation>
        </message>
        <message>
            <location filename="../partners/frmPersons.ui" line="81" />
            <source>Province:</source>
            <translation>المحافظة:</translation>
        </message>
        <message>
            <location filename="../partners/frmPersons.ui" line="95" />
            <source>Postal code:</source>
            <translation>الرمز البريدي:</translation>
        </message>
        <message>
            <location filename="../partners/frmPersons.ui" line="109" />
            <source>Country:</source>
            <translation>الدولة:</translation>
        </message>
        <message>
            <location filename="../partners/frmPersons.ui" line="123" />
            <source>Phone 1:</source>
            <translation>الهاتف 1:</translation>
        </message>
        <message>
            <location filename="../partners/frmPersons.ui" line="137" />
            <source>Phone 2:</source>
            <translation>الهاتف 2:</translation>
        </message>
        <message>
            <location filename="../partners/frmPersons.ui" line="151" />
            <source>Fax:</source>
            <translation>الفاكس:</translation>
        </message>
        <message>
            <location filename="../partners/frmPersons.ui" line="165" />
            <source>E-Mail:</source>
            <translation>البريد الإلكتروني:</translation>
        </message>
        <message>
            <location filename="../partners/frmPersons.ui" line="179" />
            <source>Website:</source>
            <translation>الموقع الإلكتروني:</translation>
        </message>
        <message>
            <location filename="../partners/frmPersons.ui" line="197" />
            <source>New</source>
            <translation>جديد</translation>
        </message>
        <message>
            <location filename="../partners/frmPersons.ui" line="204" />
            <source>Save</source>
            <translation>حفظ</translation>
        </message>
        <message>
            <location filename="../partners/frmPersons.ui" line="211" />
            <source>Save and Close</source>
            <translation>حفظ وإغلاق</translation>
        </message>
    </context>
    <context>
        <name>frmPersonsView</name>
        <message>
            <location filename="../partners/frmPersonsView.ui" line="14" />
            <source>View Persons</source>
            <translation>عرض الأشخاص</translation>
        </message>
        <message>
            <location filename="../partners/frmPersonsView.ui" line="35" />
            <source>New</source>
            <translation>جديد</translation>
        </message>
        <message>
            <location filename="../partners/frmPersonsView.ui" line="42" />
            <source>Edit</source>
            <translation>تعديل</translation>
        </message>
        <message>
            <location filename="../partners/frmPersonsView.ui" line="49" />
            <source>Delete</source>
            <translation>حذف</translation>
        </message>
        <message>
            <location filename="../partners/frmPersonsView.cpp" line="34" />
            <source>Person ID</source>
            <translation>رقم الشخص</translation>
        </message>
        <message>
            <location filename="../partners/frmPersonsView.cpp" line="34" />
            <source>Person name</source>
            <translation>اسم الشخص</translation>
        </message>
        <message>
            <location filename="../partners/frmPersonsView.cpp" line="34" />
            <source>Street 1</source>
            <translation>الشارع 1</translation>
        </message>
        <message>
            <location filename="../partners/frmPersonsView.cpp" line="34" />
            <source>Street 2</source>
            <translation>الشارع 2</translation>
        </message>
        <message>
            <location filename="../partners/frmPersonsView.cpp" line="34" />
            <source>City</source>
            <translation>المدينة</translation>
        </message>
        <message>
            <location filename="../partners/frmPersonsView.cpp" line="35" />
            <source>Province</source>
            <translation>المحافظة</translation>
        </message>
        <message>
            <location filename="../partners/frmPersonsView.cpp" line="35" />
            <source>Postal code</source>
            <translation>الرمز البريدي</translation>
        </message>
        <message>
            <location filename="../partners/frmPersonsView.cpp" line="35" />
            <source>Country</source>
            <translation>الدولة</translation>
        </message>
        <message>
            <location filename="../partners/frmPersonsView.cpp" line="35" />
            <source>Phone 1</source>
            <translation>الهاتف 1</translation>
        </message>
        <message>
            <location filename="../partners/frmPersonsView.cpp" line="35" />
            <source>Phone 2</source>
            <translation>الهاتف 2</translation>
        </message>
        <message>
            <location filename="../partners/frmPersonsView.cpp" line="36" />
            <source>Fax 1</source>
            <translation>الفاكس 1</translation>
        </message>
        <message>
            <location filename="../partners/frmPersonsView.cpp" line="36" />
            <source>EMail</source>
            <translation>البريد الإلكتروني</translation>
        </message>
        <message>
            <location filename="../partners/frmPersonsView.cpp" line="36" />
            <source>Website</source>
            <translation>الموقع الإلكتروني</translation>
        </message>
    </context>
    <context>
        <name>dlgAccTrans</name>
        <message>
            <source>Add Transaction Account</source>
            <translation>إضافة حساب إلى القيد</translation>
        </message>
        <message>
            <source>Debit</source>
            <translation>مدين</translation>
        </message>
        <message>
            <source>Credit</source>
            <translation>دائن</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>الحساب:</translation>
        </message>
        <message>
            <source>Amount:</source>
            <translation>المبلغ:</translation>
        </message>
        <message>
            <source>Comment:</source>
            <translation>ملاحظة:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>إلغاء</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>حفظ</translation>
        </message>
    </context>
    <context>
        <name>frmGeneralJournal</name>
        <message>
            <source>General Journal</source>
            <translation>دفتر اليومية العامة</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" color:#005500;"&gt;General Journal&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" color:#005500;"&gt;دفتر اليومية العامة&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>New</source>
            <translation>جديد</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>بحث</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>حفظ</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>التاريخ:</translation>
        </message>
        <message>
            <source>Description:</source>
            <translation>الوصف:</translation>
        </message>
        <message>
            <source>Accounts</source>
            <translation>الحسابات</translation>
        </message>
        <message>
            <source>Add Item</source>
            <translation>إضافة سطر</translation>
        </message>
        <message>
            <source>Remove Selected Item</source>
            <translation>حذف السطر المحدد</translation>
        </message>
        <message>
            <source>Transaction ID</source>
            <translation>رقم الحركة</translation>
        </message>
        <message>
            <source>Account ID</source>
            <translation>رقم الحساب</translation>
        </message>
        <message>
            <source>Account Name</source>
            <translation>اسم الحساب</translation>
        </message>
        <message>
            <source>Debit</source>
            <translation>مدين</translation>
        </message>
        <message>
            <source>Credit</source>
            <translation>دائن</translation>
        </message>
        <message>
            <source>Comment</source>
            <translation>ملاحظة</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" color:#ff0000;"&gt;Total&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" color:#ff0000;"&gt;الإجمالي&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Transaction must have a positive value greater than zero</source>
            <translation>يجب أن تكون قيمة القيد موجبة وأكبر من الصفر</translation>
        </message>
        <message>
            <source>The transaction is not balanced, debit total must be equal to credit total</source>
            <translation>القيد غير متوازن، يجب أن يساوي إجمالي المدين إجمالي الدائن</translation>
        </message>
        <message>
            <source>The description must not be longer than 200 characters</source>
            <translation>يجب ألا يزيد الوصف على 200 حرف</translation>
        </message>
    </context>
    <context>
        <name>frmGeneralJournalView</name>
        <message>
            <source>General Journal View</source>
            <translation>عرض قيود اليومية العامة</translation>
        </message>
        <message>
            <source>Filter</source>
            <translation>تصفية</translation>
        </message>
        <message>
            <source>Date From:</source>
            <translation>من تاريخ:</translation>
        </message>
        <message>
            <source>To:</source>
            <translation>إلى:</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>بحث</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>تعديل</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>حذف</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>التاريخ</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>الوصف</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>القيمة</translation>
        </message>
        <message>
            <source>Delete general journal and all its transactions?</source>
            <translation>هل تريد حذف قيد اليومية وجميع حركاته؟</translation>
        </message>
    </context>
    <context>
        <name>frmUsers</name>
        <message>
            <location filename="../partners/frmUsers.ui" line="14" />
            <source>Users</source>
            <translation>المستخدمون</translation>
        </message>
        <message>
            <location filename="../partners/frmUsers.ui" line="22" />
            <source>Employee:</source>
            <translation>الموظف:</translation>
        </message>
        <message>
            <location filename="../partners/frmUsers.ui" line="39" />
            <source>Username:</source>
            <translation>اسم المستخدم:</translation>
        </message>
        <message>
            <location filename="../partners/frmUsers.ui" line="49" />
            <source>Password:</source>
            <translation>كلمة المرور:</translation>
        </message>
        <message>
            <location filename="../partners/frmUsers.ui" line="66" />
            <source>Confirm password:</source>
            <translation>تأكيد كلمة المرور:</translation>
        </message>
        <message>
            <location filename="../partners/frmUsers.ui" line="87" />
            <source>New</source>
            <translation>جديد</translation>
        </message>
        <message>
            <location filename="../partners/frmUsers.ui" line="94" />
            <source>Save</source>
            <translation>حفظ</translation>
        </message>
        <message>
            <location filename="../partners/frmUsers.ui" line="101" />
            <source>Save and Close</source>
            <translation>حفظ وإغلاق</translation>
        </message>
        <message>
            <location filename="../partners/frmUsers.cpp" line="31" />
            <source>&lt;Add New&gt;</source>
            <translation>&lt;إضافة جديد&gt;</translation>
        </message>
        <message>
            <location filename="../partners/frmUsers.cpp" line="67" />
            <source>Select employee</source>
            <translation>اختر الموظف</translation>
        </message>
        <message>
            <location filename="../partners/frmUsers.cpp" line="69" />
            <source>Insert username</source>
            <translation>أدخل اسم المستخدم</translation>
        </message>
        <message>
            <location filename="../partners/frmUsers.cpp" line="71" />
            <source>Insert password</source>
            <translation>أدخل كلمة المرور</translation>
        </message>
        <message>
            <location filename="../partners/frmUsers.cpp" line="73" />
            <source>Password and its confirmation dosn't match</source>
            <translation>كلمة المرور وتأكيدها غير متطابقتين</translation>
        </message>
        <message>
            <location filename="../partners/frmUsers.cpp" line="104" />
            <source>This username is already in use. Choose another one.</source>
            <translation>اسم المستخدم هذا مستعمل من قبل. اختر اسمًا آخر.</translation>
        </message>
    </context>
    <context>
        <name>frmUsersView</name>
        <message>
            <location filename="../partners/frmUsersView.ui" line="14" />
            <source>View Users</source>
            <translation>عرض المستخدمين</translation>
        </message>
        <message>
            <location filename="../partners/frmUsersView.ui" line="35" />
            <source>New</source>
            <translation>جديد</translation>
        </message>
        <message>
            <location filename="../partners/frmUsersView.ui" line="42" />
            <source>Delete</source>
            <translation>حذف</translation>
        </message>
        <message>
            <location filename="../partners/frmUsersView.ui" line="49" />
            <source>Change Password</source>
            <translation>تغيير كلمة المرور</translation>
        </message>
        <message>
            <location filename="../partners/frmUsersView.cpp" line="41" />
            <source>Username</source>
            <translation>اسم المستخدم</translation>
        </message>
        <message>
            <location filename="../partners/frmUsersView.cpp" line="42" />
            <source>Person Name</source>
            <translation>اسم الشخص</translation>
        </message>
        <message>
            <location filename="../partners/frmUsersView.cpp" line="68" />
            <source>The last user cannot be deleted: nobody could log in any more.</source>
            <translation>لا يمكن حذف آخر مستخدم: لن يتمكن أحد من تسجيل الدخول بعد ذلك.</translation>
        </message>
    </context>
    <context>
        <name>frmCustomers</name>
        <message>
            <location filename="../partners/frmCustomers.ui" line="14" />
            <source>Customers</source>
            <translation>العملاء</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="24" />
            <source>Customer name:</source>
            <translation>اسم العميل:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="44" />
            <source>Contact Person Info:</source>
            <translation>بيانات جهة الاتصال:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="87" />
            <location filename="../partners/frmCustomers.ui" line="323" />
            <location filename="../partners/frmCustomers.cpp" line="267" />
            <source>Name:</source>
            <translation>الاسم:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="94" />
            <location filename="../partners/frmCustomers.cpp" line="269" />
            <source>Street:</source>
            <translation>الشارع:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="101" />
            <location filename="../partners/frmCustomers.cpp" line="266" />
            <source>City, Province, Country:</source>
            <translation>المدينة، المحافظة، الدولة:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="108" />
            <location filename="../partners/frmCustomers.cpp" line="268" />
            <source>Phone:</source>
            <translation>الهاتف:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="118" />
            <source>Last sale was on:</source>
            <translation>آخر بيع كان في:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="138" />
            <source>Basic Info</source>
            <translation>البيانات الأساسية</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="144" />
            <source>Contact person:</source>
            <translation>جهة الاتصال:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="164" />
            <source>Active</source>
            <translation>نشط</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="174" />
            <source>Sales person:</source>
            <translation>مندوب المبيعات:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="194" />
            <source>Customer since:</source>
            <translation>عميل منذ:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="211" />
            <source>Revenu Acc No.</source>
            <translation>رقم حساب الإيرادات</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="228" />
            <source>Expenses Acc No.</source>
            <translation>رقم حساب المصروفات</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="245" />
            <source>Default price type:</source>
            <translation>نوع السعر الافتراضي:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="265" />
            <source>Standard discount:</source>
            <translation>الخصم المعتاد:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="291" />
            <source>Notes:</source>
            <translation>ملاحظات:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="306" />
            <source>Ship To</source>
            <translation>الشحن إلى</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="312" />
            <source>Ship To:</source>
            <translation>الشحن إلى:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="337" />
            <source>Street 1:</source>
            <translation>الشارع 1:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="351" />
            <source>Street 2:</source>
            <translation>الشارع 2:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="365" />
            <source>City:</source>
            <translation>المدينة:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="379" />
            <source>Province:</source>
            <translation>المحافظة:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="393" />
            <source>Postal code:</source>
            <translation>الرمز البريدي:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="407" />
            <source>Country:</source>
            <translation>الدولة:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="421" />
            <source>Phone 1:</source>
            <translation>الهاتف 1:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="435" />
            <source>Phone 2:</source>
            <translation>الهاتف 2:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="449" />
            <source>Fax:</source>
            <translation>الفاكس:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="463" />
            <source>E-Mail:</source>
            <translation>البريد الإلكتروني:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="477" />
            <source>Website:</source>
            <translation>الموقع الإلكتروني:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="499" />
            <source>New</source>
            <translation>جديد</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="506" />
            <source>Save</source>
            <translation>حفظ</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.ui" line="513" />
            <source>Save and Close</source>
            <translation>حفظ وإغلاق</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.cpp" line="76" />
            <location filename="../partners/frmCustomers.cpp" line="78" />
            <location filename="../partners/frmCustomers.cpp" line="86" />
            <location filename="../partners/frmCustomers.cpp" line="101" />
            <source>&lt;Add New&gt;</source>
            <translation>&lt;إضافة جديد&gt;</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomers.cpp" line="78" />
            <source>&lt;Contact Person&gt;</source>
            <translation>&lt;جهة الاتصال&gt;</translation>
        </message>
    </context>
    <context>
        <name>frmCustomersView</name>
        <message>
            <location filename="../partners/frmCustomersView.ui" line="14" />
            <source>View Customers</source>
            <translation>عرض العملاء</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomersView.ui" line="20" />
            <source>Show Inactive customers</source>
            <translation>إظهار العملاء غير النشطين</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomersView.ui" line="27" />
            <source>Filter</source>
            <translation>تصفية</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomersView.ui" line="33" />
            <source>Filter  by:</source>
            <translation>التصفية حسب:</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomersView.ui" line="41" />
            <location filename="../partners/frmCustomersView.cpp" line="56" />
            <source>Customer Name</source>
            <translation>اسم العميل</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomersView.ui" line="46" />
            <location filename="../partners/frmCustomersView.cpp" line="56" />
            <source>City</source>
            <translation>المدينة</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomersView.ui" line="51" />
            <location filename="../partners/frmCustomersView.cpp" line="56" />
            <source>Province</source>
            <translation>المحافظة</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomersView.ui" line="56" />
            <location filename="../partners/frmCustomersView.cpp" line="56" />
            <source>Country</source>
            <translation>الدولة</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomersView.ui" line="99" />
            <source>New</source>
            <translation>جديد</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomersView.ui" line="106" />
            <source>Edit</source>
            <translation>تعديل</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomersView.ui" line="113" />
            <source>Delete</source>
            <translation>حذف</translation>
        </message>
        <message>
            <location filename="../partners/frmCustomersView.cpp" line="56" />
            <source>Notes</source>
            <translation>ملاحظات</translation>
        </message>
    </context>
    <context>
        <name>frmVendors</name>
        <message>
            <location filename="../partners/frmVendors.ui" line="14" />
            <source>Vendors</source>
            <translation>الموردون</translation>
        </message>
        <message>
            <location filename="../partners/frmVendors.ui" line="24" />
            <source>Vendor name:</source>
            <translation>اسم المورد:</translation>
        </message>
        <message>
            <location filename="../partners/frmVendors.ui" line="44" />
            <source>Contact Person Info:</source>
            <translation>بيانات جهة الاتصال:</translation>
        </message>
        <message>
            <location filename="../partners/frmVendors.ui" line="87" />
            <source>Name:</source>
            <translation>الاسم:</translation>
        </message>
        <message>
            <location filename="../partners/frmVendors.ui" line="94" />
            <source>Street:</source>
            <translation>الشارع:</translation>
        </message>
        <message>
            <location filename="../partners/frmVendors.ui" line="101" />
            <source>City, Province, Country:</source>
            <translation>المدينة، المحافظة، الدولة:</translation>
        </message>
        <message>
            <location filename="../partners/frmVendors.ui" line="108" />
            <source>Phone:</source>
            <translation>الهاتف:</translation>
        </message>
        <message>
            <location filename="../partners/frmVendors.ui" line="118" />
            <source>Last purchase was on:</source>
            <translation>آخر شراء كان في:</translation>
        </message>
        <message>
            <location filename="../partners/frmVendors.ui" line="139" />
            <source>Active</source>
            <translation>نشط</translation>
        </message>
        <message>
            <location filename="../partners/frmVendors.ui" line="149" />
            <source>Contact person:</source>
            <translation>جهة الاتصال:</translation>
        </message>
        <message>
            <location filename="../partners/frmVendors.ui" line="166" />
            <source>Vendor since:</source>
            <translation>مورد منذ:</translation>
        </message>
        <message>
            <location filename="../partners/frmVendors.ui" line="183" />
            <source>Revenu Acc No.</source>
            <translation>رقم حساب الإيرادات</translation>
        </message>
        <message>
            <location filename="../partners/frmVendors.ui" line="194" />
            <source>Expenses Acc No.</source>
            <translation>رقم حساب المصروفات</translation>
        </message>
        <message>
            <location filename="../partners/frmVendors.ui" line="211" />
            <source>Notes:</source>
            <translation>ملاحظات:</translation>
        </message>
        <message>
            <location filename="../partners/frmVendors.ui" line="231" />
            <source>New</source>
            <translation>جديد</translation>
        </message>
        <message>
            <location filename="../partners/frmVendors.ui" line="238" />
            <source>Save</source>
            <translation>حفظ</translation>
        </message>
        <message>
            <location filename="../partners/frmVendors.ui" line="245" />
            <source>Save and Close</source>
            <translation>حفظ وإغلاق</translation>
        </message>
        <message>
            <location filename="../partners/frmVendors.cpp" line="74" />
            <location filename="../partners/frmVendors.cpp" line="91" />
            <source>&lt;Add New&gt;</source>
            <translation>&lt;إضافة جديد&gt;</translation>
        </message>
    </context>
    <context>
        <name>frmVendorsView</name>
        <message>
            <location filename="../partners/frmVendorsView.ui" line="14" />
            <source>View Vendors</source>
            <translation>عرض الموردين</translation>
        </message>
        <message>
            <location filename="../partners/frmVendorsView.ui" line="20" />
            <source>Show Inactive vendors</source>
            <translation>إظهار الموردين غير النشطين</translation>
        </message>
        <message>
            <location filename="../partners/frmVendorsView.ui" line="42" />
            <source>New</source>
            <translation>جديد</translation>
        </message>
        <message>
            <location filename="../partners/frmVendorsView.ui" line="49" />
            <source>Edit</source>
            <translation>تعديل</translation>
        </message>
        <message>
            <location filename="../partners/frmVendorsView.ui" line="56" />
            <source>Delete</source>
            <translation>حذف</translation>
        </message>
        <message>
            <location filename="../partners/frmVendorsView.cpp" line="35" />
            <source>Vendor Name</source>
            <translation>اسم المورد</translation>
        </message>
        <message>
            <location filename="../partners/frmVendorsView.cpp" line="35" />
            <source>Vendor Since</source>
            <translation>مورد منذ</translation>
        </message>
        <message>
            <location filename="../partners/frmVendorsView.cpp" line="35" />
            <source>Notes</source>
            <translation>ملاحظات</translation>
        </message>
    </context>
</TS>
