<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AccountTypeBlocks</name>
    <message>
        <location filename="../reports/financial/accounttypeblocks.cpp" line="19"/>
        <source>Account Name</source>
        <translation>اسم الحساب</translation>
    </message>
    <message>
        <location filename="../reports/financial/accounttypeblocks.cpp" line="20"/>
        <source>Balance</source>
        <translation>الرصيد</translation>
    </message>
    <message>
        <location filename="../reports/financial/accounttypeblocks.cpp" line="21"/>
        <source>TOTAL $TYPE</source>
        <translation>إجمالي $TYPE</translation>
    </message>
</context>
<context>
    <name>ComboBoxes</name>
    <message>
        <location filename="../core/widgets/comboboxes.cpp" line="78"/>
        <source>%1 (not in the list)</source>
        <translation>%1 (ليس في القائمة)</translation>
    </message>
    <message>
        <location filename="../core/widgets/comboboxes.cpp" line="80"/>
        <source>No. %1, not in the list</source>
        <translation>رقم %1، ليس في القائمة</translation>
    </message>
    <message>
        <location filename="../core/widgets/comboboxes.cpp" line="165"/>
        <source>The record just added cannot be chosen here, so none is chosen.</source>
        <translation>لا يمكن اختيار السجل المضاف للتو هنا، فلم يُختر شيء.</translation>
    </message>
    <message>
        <location filename="../core/widgets/comboboxes.cpp" line="168"/>
        <source>Another user may have deleted it meanwhile.</source>
        <translation>ربما حذفه مستخدم آخر في هذه الأثناء.</translation>
    </message>
</context>
<context>
    <name>CompanyDatabase</name>
    <message>
        <location filename="../core/db/companydb.cpp" line="103"/>
        <source>The database name is empty.</source>
        <translation>اسم قاعدة البيانات فارغ.</translation>
    </message>
    <message>
        <location filename="../core/db/companydb.cpp" line="105"/>
        <source>The database name may not begin or end with a blank.</source>
        <translation>لا يجوز أن يبدأ اسم قاعدة البيانات أو ينتهي بمسافة.</translation>
    </message>
    <message>
        <location filename="../core/db/companydb.cpp" line="108"/>
        <source>The database name may not hold a line break, a tab or another control character.</source>
        <translation>لا يجوز أن يحتوي اسم قاعدة البيانات على فاصل أسطر أو علامة جدولة أو أي محرف تحكم آخر.</translation>
    </message>
    <message>
        <location filename="../core/db/companydb.cpp" line="111"/>
        <source>The database name may be at most 64 characters long.</source>
        <translation>لا يجوز أن يزيد اسم قاعدة البيانات على 64 محرفًا.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <location filename="../core/db/connection.cpp" line="112"/>
        <source>The connection to the server is not open.</source>
        <translation>الاتصال بالخادم غير مفتوح.</translation>
    </message>
</context>
<context>
    <name>DocumentLines</name>
    <message>
        <location filename="../core/documents/documentlines.cpp" line="56"/>
        <source>an item of the lines</source>
        <translation>أحد أصناف البنود</translation>
    </message>
    <message>
        <location filename="../core/documents/documentlines.cpp" line="101"/>
        <source>this document</source>
        <translation>هذا المستند</translation>
    </message>
    <message>
        <location filename="../core/documents/documentlines.cpp" line="111"/>
        <source>A removed line has been refunded and cannot be deleted. Nothing was saved.</source>
        <translation>سطر محذوف عليه مرتجع ولا يمكن حذفه. لم يحفظ شيء.</translation>
    </message>
    <message>
        <location filename="../core/documents/documentlines.cpp" line="130"/>
        <source>Select items by double clicking the first empty row below &apos;Item No&apos; or &apos;Item&apos; column</source>
        <translation>اختر الأصناف بالنقر المزدوج على أول صف فارغ تحت عمود &apos;رقم الصنف&apos; أو &apos;الصنف&apos;</translation>
    </message>
    <message>
        <location filename="../core/documents/documentlines.cpp" line="139"/>
        <source>Deposit</source>
        <translation>المدفوع</translation>
    </message>
    <message>
        <location filename="../core/documents/documentlines.cpp" line="145"/>
        <source>Subtotal</source>
        <translation>المجموع الفرعي</translation>
    </message>
    <message>
        <location filename="../core/documents/documentlines.cpp" line="146"/>
        <source>Freight</source>
        <translation>الشحن</translation>
    </message>
    <message>
        <location filename="../core/documents/documentlines.cpp" line="147"/>
        <source>Total</source>
        <translation>الإجمالي</translation>
    </message>
    <message>
        <location filename="../core/documents/documentlines.cpp" line="152"/>
        <source>The %1 (%2) is larger than a document can hold. Nothing was saved.</source>
        <translation>قيمة %1 (%2) أكبر مما يتسع له المستند. لم يُحفظ شيء.</translation>
    </message>
</context>
<context>
    <name>FailedReads</name>
    <message>
        <location filename="../core/system/failedreads.cpp" line="77"/>
        <source>Some of what this window shows could not be read, so nothing was saved. Close the window and open it again.</source>
        <translation>تعذّرت قراءة بعض ما تعرضه هذه النافذة، فلم يُحفظ شيء. أغلق النافذة ثم افتحها من جديد.</translation>
    </message>
</context>
<context>
    <name>ListDialog</name>
    <message>
        <location filename="../core/widgets/listdialog.cpp" line="107"/>
        <source>True</source>
        <translation>نعم</translation>
    </message>
    <message>
        <location filename="../core/widgets/listdialog.cpp" line="108"/>
        <source>False</source>
        <translation>لا</translation>
    </message>
    <message>
        <location filename="../core/widgets/listdialog.cpp" line="141"/>
        <source>Delete </source>
        <translation>حذف السجل المحدد؟</translation>
    </message>
    <message>
        <location filename="../core/widgets/listdialog.cpp" line="146"/>
        <source>Delete %1%2</source>
        <translation>حذف%1%2؟</translation>
    </message>
    <message>
        <location filename="../core/widgets/listdialog.cpp" line="145"/>
        <source>Delete %1</source>
        <translation>حذف %1؟</translation>
    </message>
</context>
<context>
    <name>NumberFields</name>
    <message>
        <location filename="../core/widgets/numberfields.cpp" line="189"/>
        <source>%1 shows %2 as stored, but it can only hold %3 to %4. Correct it and save again.</source>
        <translation>يعرض الحقل %1 القيمة %2 كما هي محفوظة، لكنه لا يقبل إلا من %3 إلى %4. صحّحها ثم احفظ مرة أخرى.</translation>
    </message>
</context>
<context>
    <name>Passwords</name>
    <message>
        <location filename="../core/db/passwords.cpp" line="8"/>
        <source>Insert password</source>
        <translation>أدخل كلمة المرور</translation>
    </message>
    <message>
        <location filename="../core/db/passwords.cpp" line="10"/>
        <source>A password cannot begin or end with a blank.</source>
        <translation>لا يمكن أن تبدأ كلمة المرور أو تنتهي بمسافة.</translation>
    </message>
</context>
<context>
    <name>PurchaseHeader</name>
    <message>
        <location filename="../purchasing/purchaseheader.cpp" line="16"/>
        <source>Only active vendors with a contact person are listed.</source>
        <translation>لا يُعرض هنا إلا الموردون النشطون الذين لهم جهة اتصال.</translation>
    </message>
    <message>
        <location filename="../purchasing/purchaseheader.cpp" line="23"/>
        <source>Only active warehouses are listed.</source>
        <translation>لا تُعرض هنا إلا المخازن النشطة.</translation>
    </message>
</context>
<context>
    <name>RefundStorage</name>
    <message>
        <location filename="../trading/refundstorage.cpp" line="129"/>
        <source>Another refund of this invoice has been saved meanwhile: this one would take back more than the invoice holds. Nothing was saved.</source>
        <translation>حُفظ في الأثناء مرتجع آخر لهذه الفاتورة: هذا المرتجع سيُرجع أكثر مما في الفاتورة. لم يُحفظ شيء.</translation>
    </message>
    <message>
        <location filename="../trading/refundstorage.cpp" line="286"/>
        <source>The removed line (%1) has been refunded: %2 of it taken back. It cannot be removed. Nothing was saved.</source>
        <translation>البند المحذوف (%1) عليه مرتجع: أُرجع منه %2، فلا يمكن حذفه. لم يُحفظ شيء.</translation>
    </message>
    <message>
        <location filename="../trading/refundstorage.cpp" line="300"/>
        <source>Line %1 (%2) has been refunded: %3 of it taken back. Its quantity cannot be lower, nor its item or unit change. Nothing was saved.</source>
        <translation>البند %1 (%2) عليه مرتجع: أُرجع منه %3، فلا يمكن إنقاص كميته ولا تغيير صنفه أو وحدته. لم يُحفظ شيء.</translation>
    </message>
</context>
<context>
    <name>RptCustomerSalesDetailed</name>
    <message>
        <location filename="../reports/trading/RptCustomerSalesDetailed.cpp" line="24"/>
        <source>&lt;tr&gt;&lt;td&gt;&lt;b&gt;Customer Name:&lt;/b&gt; &lt;span dir=&quot;auto&quot;&gt;$CUST_NAME&lt;/span&gt;&lt;br&gt;&lt;table class=&quot;rows invoices&quot;&gt;&lt;thead&gt;&lt;tr&gt;&lt;th&gt;Warehouse&lt;/th&gt;&lt;th&gt;Invoice No.&lt;/th&gt;&lt;th&gt;Date&lt;/th&gt;&lt;th&gt;Ship Date&lt;/th&gt;&lt;th&gt;Employee&lt;/th&gt;&lt;th&gt;Total&lt;/th&gt;&lt;/tr&gt;&lt;/thead&gt;&lt;tbody&gt;&lt;tr&gt;&lt;td colspan=&quot;6&quot;&gt;$INVOICES&lt;/td&gt;&lt;/tr&gt;&lt;/tbody&gt;&lt;/table&gt;&lt;br/&gt;&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;&lt;b&gt;اسم العميل:&lt;/b&gt; &lt;span dir=&quot;auto&quot;&gt;$CUST_NAME&lt;/span&gt;&lt;br&gt;&lt;table class=&quot;rows invoices&quot;&gt;&lt;thead&gt;&lt;tr&gt;&lt;th&gt;المخزن&lt;/th&gt;&lt;th&gt;رقم الفاتورة&lt;/th&gt;&lt;th&gt;التاريخ&lt;/th&gt;&lt;th&gt;تاريخ الشحن&lt;/th&gt;&lt;th&gt;الموظف&lt;/th&gt;&lt;th&gt;الإجمالي&lt;/th&gt;&lt;/tr&gt;&lt;/thead&gt;&lt;tbody&gt;&lt;tr&gt;&lt;td colspan=&quot;6&quot;&gt;$INVOICES&lt;/td&gt;&lt;/tr&gt;&lt;/tbody&gt;&lt;/table&gt;&lt;br/&gt;&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
</context>
<context>
    <name>RptCustomerStatementOfAccount</name>
    <message>
        <location filename="../reports/trading/RptCustomerStatementOfAccount.cpp" line="40"/>
        <source>&lt;tr&gt;&lt;td&gt;&lt;b&gt;Customer Name:&lt;/b&gt; &lt;span dir=&quot;auto&quot;&gt;$CUST_NAME&lt;/span&gt;&lt;br&gt;&lt;table class=&quot;rows statement&quot;&gt;&lt;thead&gt;&lt;tr&gt;&lt;th class=&quot;date&quot;&gt;Date&lt;/th&gt;&lt;th class=&quot;number&quot;&gt;Debit&lt;/th&gt;&lt;th class=&quot;number&quot;&gt;Credit&lt;/th&gt;&lt;th&gt;Description&lt;/th&gt;&lt;/tr&gt;&lt;/thead&gt;&lt;tbody&gt;&lt;tr&gt;&lt;td colspan=&quot;4&quot;&gt;$JOUR_DETAILS&lt;/td&gt;&lt;/tr&gt;&lt;tr class=&quot;total&quot;&gt;&lt;td&gt;TOTAL&lt;/td&gt;&lt;td class=&quot;number&quot;&gt;$TOTAL_DEBIT&lt;/td&gt;&lt;td class=&quot;number&quot;&gt;$TOTAL_CREDIT&lt;/td&gt;&lt;td&gt;$TOTAL_SUMMARY&lt;/td&gt;&lt;/tr&gt;&lt;/tbody&gt;&lt;/table&gt;&lt;br/&gt;&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;&lt;b&gt;اسم العميل:&lt;/b&gt; &lt;span dir=&quot;auto&quot;&gt;$CUST_NAME&lt;/span&gt;&lt;br&gt;&lt;table class=&quot;rows statement&quot;&gt;&lt;thead&gt;&lt;tr&gt;&lt;th class=&quot;date&quot;&gt;التاريخ&lt;/th&gt;&lt;th class=&quot;number&quot;&gt;مدين&lt;/th&gt;&lt;th class=&quot;number&quot;&gt;دائن&lt;/th&gt;&lt;th&gt;البيان&lt;/th&gt;&lt;/tr&gt;&lt;/thead&gt;&lt;tbody&gt;&lt;tr&gt;&lt;td colspan=&quot;4&quot;&gt;$JOUR_DETAILS&lt;/td&gt;&lt;/tr&gt;&lt;tr class=&quot;total&quot;&gt;&lt;td&gt;الإجمالي&lt;/td&gt;&lt;td class=&quot;number&quot;&gt;$TOTAL_DEBIT&lt;/td&gt;&lt;td class=&quot;number&quot;&gt;$TOTAL_CREDIT&lt;/td&gt;&lt;td&gt;$TOTAL_SUMMARY&lt;/td&gt;&lt;/tr&gt;&lt;/tbody&gt;&lt;/table&gt;&lt;br/&gt;&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <location filename="../reports/trading/RptCustomerStatementOfAccount.cpp" line="65"/>
        <source>Previous Balance</source>
        <translation>رصيد سابق</translation>
    </message>
    <message>
        <location filename="../reports/trading/RptCustomerStatementOfAccount.cpp" line="76"/>
        <source>Debit: </source>
        <translation>مدين: </translation>
    </message>
    <message>
        <location filename="../reports/trading/RptCustomerStatementOfAccount.cpp" line="77"/>
        <source>Credit: </source>
        <translation>دائن: </translation>
    </message>
</context>
<context>
    <name>RptGeneralJournalList</name>
    <message>
        <location filename="../reports/financial/RptGeneralJournalList.cpp" line="44"/>
        <source>&lt;tr&gt;&lt;td&gt;&lt;b&gt;Journal Date:&lt;/b&gt; &lt;span dir=&quot;ltr&quot;&gt;$JOUR_DATE&lt;/span&gt;&lt;br&gt;&lt;b&gt;Description:&lt;/b&gt; &lt;span dir=&quot;auto&quot;&gt;$JOUR_DESCRIPTION&lt;/span&gt;&lt;table class=&quot;rows&quot;&gt;&lt;thead&gt;&lt;tr&gt;&lt;th style=&quot;width: 35%;&quot;&gt;Account Name&lt;/th&gt;&lt;th style=&quot;width: 15%;&quot;&gt;Debit&lt;/th&gt;&lt;th style=&quot;width: 15%;&quot;&gt;Credit&lt;/th&gt;&lt;th style=&quot;width: 35%;&quot;&gt;Comment&lt;/th&gt;&lt;/tr&gt;&lt;/thead&gt;&lt;tbody&gt;&lt;tr&gt;&lt;td colspan=&quot;4&quot;&gt;$JOUR_DETAILS&lt;/td&gt;&lt;/tr&gt;&lt;tr class=&quot;total&quot;&gt;&lt;td&gt;TOTAL&lt;/td&gt;&lt;td class=&quot;number&quot;&gt;$TOTAL_DEBIT&lt;/td&gt;&lt;td class=&quot;number&quot;&gt;$TOTAL_CREDIT&lt;/td&gt;&lt;td&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/tbody&gt;&lt;/table&gt;&lt;br/&gt;&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;&lt;b&gt;&lt;span&gt;تاريخ القيد&lt;/span&gt;:&lt;/b&gt; &lt;span dir=&quot;ltr&quot;&gt;$JOUR_DATE&lt;/span&gt;&lt;br&gt;&lt;b&gt;&lt;span&gt;البيان&lt;/span&gt;:&lt;/b&gt; &lt;span dir=&quot;auto&quot;&gt;$JOUR_DESCRIPTION&lt;/span&gt;&lt;table class=&quot;rows&quot;&gt;&lt;thead&gt;&lt;tr&gt;&lt;th style=&quot;width: 35%;&quot;&gt;الحساب&lt;/th&gt;&lt;th style=&quot;width: 15%;&quot;&gt;مدين&lt;/th&gt;&lt;th style=&quot;width: 15%;&quot;&gt;دائن&lt;/th&gt;&lt;th style=&quot;width: 35%;&quot;&gt;ملاحظات&lt;/th&gt;&lt;/tr&gt;&lt;/thead&gt;&lt;tbody&gt;&lt;tr&gt;&lt;td colspan=&quot;4&quot;&gt;$JOUR_DETAILS&lt;/td&gt;&lt;/tr&gt;&lt;tr class=&quot;total&quot;&gt;&lt;td&gt;الإجمالي&lt;/td&gt;&lt;td class=&quot;number&quot;&gt;$TOTAL_DEBIT&lt;/td&gt;&lt;td class=&quot;number&quot;&gt;$TOTAL_CREDIT&lt;/td&gt;&lt;td&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/tbody&gt;&lt;/table&gt;&lt;br/&gt;&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
</context>
<context>
    <name>RptPendingPurchaseOrders</name>
    <message>
        <location filename="../reports/trading/RptPendingPurchaseOrders.cpp" line="16"/>
        <source>&lt;tr&gt;&lt;td&gt;&lt;b&gt;Supplier Name:&lt;/b&gt; &lt;span dir=&quot;auto&quot;&gt;$SUPP_NAME&lt;/span&gt;&lt;br&gt;&lt;table class=&quot;rows orders&quot;&gt;&lt;thead&gt;&lt;tr&gt;&lt;th&gt;Order No.&lt;/th&gt;&lt;th&gt;Date&lt;/th&gt;&lt;th&gt;Ship Date&lt;/th&gt;&lt;th&gt;Total&lt;/th&gt;&lt;th&gt;Comments&lt;/th&gt;&lt;/tr&gt;&lt;/thead&gt;&lt;tbody&gt;&lt;tr&gt;&lt;td colspan=&quot;5&quot;&gt;$INVOICES&lt;/td&gt;&lt;/tr&gt;&lt;/tbody&gt;&lt;/table&gt;&lt;br/&gt;&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;&lt;b&gt;&lt;span&gt;اسم المورد&lt;/span&gt;:&lt;/b&gt; &lt;span dir=&quot;auto&quot;&gt;$SUPP_NAME&lt;/span&gt;&lt;br&gt;&lt;table class=&quot;rows orders&quot;&gt;&lt;thead&gt;&lt;tr&gt;&lt;th&gt;رقم الأمر&lt;/th&gt;&lt;th&gt;التاريخ&lt;/th&gt;&lt;th&gt;تاريخ الشحن&lt;/th&gt;&lt;th&gt;الإجمالي&lt;/th&gt;&lt;th&gt;ملاحظات&lt;/th&gt;&lt;/tr&gt;&lt;/thead&gt;&lt;tbody&gt;&lt;tr&gt;&lt;td colspan=&quot;5&quot;&gt;$INVOICES&lt;/td&gt;&lt;/tr&gt;&lt;/tbody&gt;&lt;/table&gt;&lt;br/&gt;&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
</context>
<context>
    <name>RptPendingSalesOrders</name>
    <message>
        <location filename="../reports/trading/RptPendingSalesOrders.cpp" line="17"/>
        <source>&lt;tr&gt;&lt;td&gt;&lt;b&gt;Customer Name:&lt;/b&gt; &lt;span dir=&quot;auto&quot;&gt;$CUST_NAME&lt;/span&gt;&lt;br&gt;&lt;table class=&quot;rows orders&quot;&gt;&lt;thead&gt;&lt;tr&gt;&lt;th&gt;Order No.&lt;/th&gt;&lt;th&gt;Date&lt;/th&gt;&lt;th&gt;Ship Date&lt;/th&gt;&lt;th&gt;Total&lt;/th&gt;&lt;th&gt;Deposit Paid&lt;/th&gt;&lt;th&gt;Comments&lt;/th&gt;&lt;/tr&gt;&lt;/thead&gt;&lt;tbody&gt;&lt;tr&gt;&lt;td colspan=&quot;6&quot;&gt;$INVOICES&lt;/td&gt;&lt;/tr&gt;&lt;/tbody&gt;&lt;/table&gt;&lt;br/&gt;&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;&lt;b&gt;&lt;span&gt;اسم العميل&lt;/span&gt;:&lt;/b&gt; &lt;span dir=&quot;auto&quot;&gt;$CUST_NAME&lt;/span&gt;&lt;br&gt;&lt;table class=&quot;rows orders&quot;&gt;&lt;thead&gt;&lt;tr&gt;&lt;th&gt;رقم الأمر&lt;/th&gt;&lt;th&gt;التاريخ&lt;/th&gt;&lt;th&gt;تاريخ الشحن&lt;/th&gt;&lt;th&gt;الإجمالي&lt;/th&gt;&lt;th&gt;العربون المدفوع&lt;/th&gt;&lt;th&gt;ملاحظات&lt;/th&gt;&lt;/tr&gt;&lt;/thead&gt;&lt;tbody&gt;&lt;tr&gt;&lt;td colspan=&quot;6&quot;&gt;$INVOICES&lt;/td&gt;&lt;/tr&gt;&lt;/tbody&gt;&lt;/table&gt;&lt;br/&gt;&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
</context>
<context>
    <name>RptVendorPurchaseDetailed</name>
    <message>
        <location filename="../reports/trading/RptVendorPurchaseDetailed.cpp" line="21"/>
        <source>&lt;tr&gt;&lt;td&gt;&lt;b&gt;Vendor Name:&lt;/b&gt; &lt;span dir=&quot;auto&quot;&gt;$VEND_NAME&lt;/span&gt;&lt;br&gt;&lt;table class=&quot;rows invoices&quot;&gt;&lt;thead&gt;&lt;tr&gt;&lt;th&gt;Warehouse&lt;/th&gt;&lt;th&gt;Invoice No.&lt;/th&gt;&lt;th&gt;Date&lt;/th&gt;&lt;th&gt;Ship Date&lt;/th&gt;&lt;th&gt;Employee&lt;/th&gt;&lt;th&gt;Total&lt;/th&gt;&lt;/tr&gt;&lt;/thead&gt;&lt;tbody&gt;&lt;tr&gt;&lt;td colspan=&quot;6&quot;&gt;$INVOICES&lt;/td&gt;&lt;/tr&gt;&lt;/tbody&gt;&lt;/table&gt;&lt;br/&gt;&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;&lt;b&gt;&lt;span&gt;اسم المورد&lt;/span&gt;:&lt;/b&gt; &lt;span dir=&quot;auto&quot;&gt;$VEND_NAME&lt;/span&gt;&lt;br&gt;&lt;table class=&quot;rows invoices&quot;&gt;&lt;thead&gt;&lt;tr&gt;&lt;th&gt;المخزن&lt;/th&gt;&lt;th&gt;رقم الفاتورة&lt;/th&gt;&lt;th&gt;التاريخ&lt;/th&gt;&lt;th&gt;تاريخ الشحن&lt;/th&gt;&lt;th&gt;الموظف&lt;/th&gt;&lt;th&gt;الإجمالي&lt;/th&gt;&lt;/tr&gt;&lt;/thead&gt;&lt;tbody&gt;&lt;tr&gt;&lt;td colspan=&quot;6&quot;&gt;$INVOICES&lt;/td&gt;&lt;/tr&gt;&lt;/tbody&gt;&lt;/table&gt;&lt;br/&gt;&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
</context>
<context>
    <name>RptWarehouseInventory</name>
    <message>
        <location filename="../reports/financial/RptWarehouseInventory.cpp" line="175"/>
        <source>(no conversion to %1)</source>
        <translation>(لا يوجد تحويل إلى %1)</translation>
    </message>
</context>
<context>
    <name>SalesCustomer</name>
    <message>
        <location filename="../sales/orders/salescustomer.cpp" line="16"/>
        <source>Only active customers with a contact person are listed.</source>
        <translation>لا يُعرض هنا إلا العملاء النشطون الذين لهم جهة اتصال.</translation>
    </message>
</context>
<context>
    <name>StoredFields</name>
    <message>
        <location filename="../core/widgets/storedfields.cpp" line="75"/>
        <source>No date</source>
        <translation>بلا تاريخ</translation>
    </message>
</context>
<context>
    <name>TextColumns</name>
    <message>
        <location filename="../core/widgets/textcolumns.cpp" line="122"/>
        <source>%1 is longer than the %2 characters it can hold. Shorten it and save again.</source>
        <translation>يتسع الحقل %1 لـ %2 حرفًا على الأكثر، والنص أطول من ذلك. اختصره ثم احفظ مرة أخرى.</translation>
    </message>
    <message>
        <location filename="../core/widgets/textcolumns.cpp" line="128"/>
        <source>%1 holds a character that cannot be stored, such as an emoji. Remove it and save again.</source>
        <translation>يحتوي الحقل %1 على حرف لا يمكن حفظه، مثل الرموز التعبيرية. احذفه ثم احفظ مرة أخرى.</translation>
    </message>
</context>
<context>
    <name>accountbalances</name>
    <message>
        <location filename="../reports/financial/accountbalances.cpp" line="188"/>
        <source>Cost of Goods Sold</source>
        <translation>تكلفة البضاعة المباعة</translation>
    </message>
</context>
<context>
    <name>cDbManinpulation</name>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="61"/>
        <source>%1 could not be started.</source>
        <translation>تعذّر تشغيل %1.</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="64"/>
        <source>%1 stopped unexpectedly.</source>
        <translation>توقف %1 على نحو غير متوقع.</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="67"/>
        <source>%1 ended with exit code %2.</source>
        <translation>انتهى %1 برمز الخروج %2.</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="85"/>
        <source>The file %1 cannot be read.</source>
        <translation>تتعذّر قراءة الملف %1.</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="90"/>
        <source>The file %1 is empty.</source>
        <translation>الملف %1 فارغ.</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="100"/>
        <source>The file %1 is not a backup made by the MariaDB or MySQL dump tool.</source>
        <translation>الملف %1 ليس نسخة احتياطية أنشأتها أداة النسخ من MariaDB أو MySQL.</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="116"/>
        <source>The file %1 is not the backup of one company database.</source>
        <translation>الملف %1 ليس نسخة احتياطية لقاعدة بيانات شركة واحدة.</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="122"/>
        <source>The file %1 is not complete: it ends before the end of the backup. It may have been cut short while it was written or copied.</source>
        <translation>الملف %1 غير مكتمل: ينتهي قبل نهاية النسخة الاحتياطية. ربما انقطع في أثناء كتابته أو نسخه.</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="194"/>
        <source>The MariaDB dump tool (mariadb-dump or mysqldump) was not found in the folder mysql/bin beside Zarpo or on the PATH.</source>
        <translation>لم يُعثر على أداة النسخ من MariaDB ‏(mariadb-dump أو mysqldump) في المجلد mysql/bin بجوار Zarpo ولا في مسارات النظام (PATH).</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="200"/>
        <source>The file %1 cannot be written.</source>
        <translation>تتعذّر الكتابة في الملف %1.</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="227"/>
        <source>What %1 wrote is not a complete backup.</source>
        <translation>ما كتبه %1 ليس نسخة احتياطية كاملة.</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="242"/>
        <source>The backup was not restored:</source>
        <translation>لم تُستعد النسخة الاحتياطية:</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="246"/>
        <source>The MariaDB client tool (mariadb or mysql) was not found in the folder mysql/bin beside Zarpo or on the PATH.</source>
        <translation>لم يُعثر على أداة العميل من MariaDB ‏(mariadb أو mysql) في المجلد mysql/bin بجوار Zarpo ولا في مسارات النظام (PATH).</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="256"/>
        <source>The file %1 is a backup of the company database &quot;%2&quot;.</source>
        <translation>الملف %1 نسخة احتياطية لقاعدة بيانات الشركة &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="259"/>
        <source>It is not a backup of the open company &quot;%1&quot;.</source>
        <translation>وهو ليس نسخة احتياطية للشركة المفتوحة &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="261"/>
        <source>Restoring it replaces all the data of the open company &quot;%1&quot; with the data of the file. Restore it?</source>
        <translation>ستحلّ بيانات الملف محلّ جميع بيانات الشركة المفتوحة &quot;%1&quot;. هل تريد استعادته؟</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="273"/>
        <source>The data of the open company could not be saved first, so nothing was changed.</source>
        <translation>تعذّر حفظ بيانات الشركة المفتوحة أولًا، لذلك لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="291"/>
        <source>The company&apos;s data was put back as it was before the restore.</source>
        <translation>أُعيدت بيانات الشركة كما كانت قبل الاستعادة.</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="293"/>
        <source>Putting the company&apos;s data back failed too:</source>
        <translation>وفشلت إعادة بيانات الشركة أيضًا:</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="295"/>
        <source>The company&apos;s data as it was before the restore is kept in the file %1. Restore that file to put it back.</source>
        <translation>بيانات الشركة كما كانت قبل الاستعادة محفوظة في الملف %1. استعد هذا الملف لإعادتها.</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="186"/>
        <source>The backup was not made:</source>
        <translation>لم تُنشأ النسخة الاحتياطية:</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="287"/>
        <source>The restore failed:</source>
        <translation>فشلت الاستعادة:</translation>
    </message>
</context>
<context>
    <name>cDbSave</name>
    <message>
        <location filename="../core/db/dbsave.cpp" line="116"/>
        <source>Another user has deleted this record meanwhile. Nothing was saved.</source>
        <translation>حذف مستخدم آخر هذا السجل في هذه الأثناء. لم يُحفظ شيء.</translation>
    </message>
    <message>
        <location filename="../core/db/dbsave.cpp" line="121"/>
        <source>Another user has deleted %1 meanwhile. Nothing was saved.</source>
        <translation>حذف مستخدم آخر %1 في أثناء ذلك. لم يُحفظ شيء.</translation>
    </message>
    <message>
        <location filename="../core/db/dbsave.cpp" line="127"/>
        <source>Another user has changed %1 meanwhile. Nothing was saved.</source>
        <translation>عدّل مستخدم آخر %1 في أثناء ذلك. لم يُحفظ شيء.</translation>
    </message>
</context>
<context>
    <name>cLineGrid</name>
    <message>
        <location filename="../core/documents/linegrid.cpp" line="294"/>
        <source>%1 %2 is refused: with it, line %3 (%4) would come to more than the document can hold.</source>
        <translation>رُفضت القيمة %2 في %1: بها يبلغ السطر %3 (%4) أكثر مما يتسع له المستند.</translation>
    </message>
    <message>
        <location filename="../core/documents/linegrid.cpp" line="367"/>
        <source>Line %1 (%2) has no unit of measure. Choose one before saving.</source>
        <translation>السطر %1 (%2) بلا وحدة قياس. اختر وحدة قبل الحفظ.</translation>
    </message>
    <message>
        <location filename="../core/documents/linegrid.cpp" line="381"/>
        <source>The price of line %1 (%2) is larger than a line can hold.</source>
        <translation>سعر السطر %1 (%2) أكبر مما يتسع له السطر.</translation>
    </message>
    <message>
        <location filename="../core/documents/linegrid.cpp" line="386"/>
        <source>The discount of line %1 (%2) is more than the line&apos;s amount.</source>
        <translation>خصم السطر %1 (%2) أكبر من مبلغ السطر.</translation>
    </message>
</context>
<context>
    <name>cPaymentGrid</name>
    <message>
        <location filename="../trading/paymentgrid.cpp" line="192"/>
        <source>The payment for invoice %1 is not an amount. Type it with at most two decimals, such as 1250.50.</source>
        <translation>دفعة الفاتورة %1 ليست مبلغاً. اكتبها بخانتين عشريتين على الأكثر، مثل 1250.50.</translation>
    </message>
    <message>
        <location filename="../trading/paymentgrid.cpp" line="197"/>
        <source>The payment for invoice %1 must be more than 0.</source>
        <translation>يجب أن تكون دفعة الفاتورة %1 أكبر من 0.</translation>
    </message>
    <message>
        <location filename="../trading/paymentgrid.cpp" line="200"/>
        <source>The payment for invoice %1 is more than its debt of %2.</source>
        <translation>دفعة الفاتورة %1 أكبر من الباقي عليها وهو %2.</translation>
    </message>
    <message>
        <location filename="../trading/paymentgrid.cpp" line="255"/>
        <source>Another user has changed invoice %1 meanwhile. Nothing was saved.</source>
        <translation>غيّر مستخدم آخر الفاتورة %1 في هذه الأثناء. لم يُحفظ شيء.</translation>
    </message>
</context>
<context>
    <name>cPurchaseGrid</name>
    <message>
        <location filename="../purchasing/purchasegrid.cpp" line="40"/>
        <source>Item No</source>
        <translation>رقم الصنف</translation>
    </message>
    <message>
        <location filename="../purchasing/purchasegrid.cpp" line="40"/>
        <source>Item</source>
        <translation>الصنف</translation>
    </message>
    <message>
        <location filename="../purchasing/purchasegrid.cpp" line="40"/>
        <source>Quantity</source>
        <translation>الكمية</translation>
    </message>
    <message>
        <location filename="../purchasing/purchasegrid.cpp" line="40"/>
        <source>Unit of Measure</source>
        <translation>وحدة القياس</translation>
    </message>
    <message>
        <location filename="../purchasing/purchasegrid.cpp" line="41"/>
        <source>Unit Price</source>
        <translation>سعر الوحدة</translation>
    </message>
    <message>
        <location filename="../purchasing/purchasegrid.cpp" line="41"/>
        <source>Discount</source>
        <translation>الخصم</translation>
    </message>
    <message>
        <location filename="../purchasing/purchasegrid.cpp" line="41"/>
        <source>Discount %</source>
        <translation>نسبة الخصم</translation>
    </message>
    <message>
        <location filename="../purchasing/purchasegrid.cpp" line="41"/>
        <source>Tax</source>
        <translation>الضريبة</translation>
    </message>
    <message>
        <location filename="../purchasing/purchasegrid.cpp" line="41"/>
        <source>Tax %</source>
        <translation>نسبة الضريبة</translation>
    </message>
    <message>
        <location filename="../purchasing/purchasegrid.cpp" line="42"/>
        <source>Price</source>
        <translation>السعر</translation>
    </message>
    <message>
        <location filename="../purchasing/purchasegrid.cpp" line="42"/>
        <source>ItemId</source>
        <translation>رقم تعريف الصنف</translation>
    </message>
    <message>
        <location filename="../purchasing/purchasegrid.cpp" line="42"/>
        <source>UOMId</source>
        <translation>رقم تعريف الوحدة</translation>
    </message>
    <message>
        <location filename="../purchasing/purchasegrid.cpp" line="42"/>
        <source>DetailId</source>
        <translation>رقم تعريف السطر</translation>
    </message>
</context>
<context>
    <name>cRefundGrid</name>
    <message>
        <location filename="../trading/refundgrid.cpp" line="66"/>
        <source>Item No</source>
        <translation>رقم الصنف</translation>
    </message>
    <message>
        <location filename="../trading/refundgrid.cpp" line="66"/>
        <source>Item</source>
        <translation>الصنف</translation>
    </message>
    <message>
        <location filename="../trading/refundgrid.cpp" line="66"/>
        <source>Quantity</source>
        <translation>الكمية</translation>
    </message>
    <message>
        <location filename="../trading/refundgrid.cpp" line="66"/>
        <source>Refunded</source>
        <translation>المرتجع سابقاً</translation>
    </message>
    <message>
        <location filename="../trading/refundgrid.cpp" line="66"/>
        <source>Refund</source>
        <translation>المرتجع</translation>
    </message>
    <message>
        <location filename="../trading/refundgrid.cpp" line="67"/>
        <source>Unit of Measure</source>
        <translation>وحدة القياس</translation>
    </message>
    <message>
        <location filename="../trading/refundgrid.cpp" line="67"/>
        <source>Unit Price</source>
        <translation>سعر الوحدة</translation>
    </message>
    <message>
        <location filename="../trading/refundgrid.cpp" line="67"/>
        <source>Discount</source>
        <translation>الخصم</translation>
    </message>
    <message>
        <location filename="../trading/refundgrid.cpp" line="67"/>
        <source>Discount %</source>
        <translation>نسبة الخصم</translation>
    </message>
    <message>
        <location filename="../trading/refundgrid.cpp" line="68"/>
        <source>Tax</source>
        <translation>الضريبة</translation>
    </message>
    <message>
        <location filename="../trading/refundgrid.cpp" line="68"/>
        <source>Tax %</source>
        <translation>نسبة الضريبة</translation>
    </message>
    <message>
        <location filename="../trading/refundgrid.cpp" line="68"/>
        <source>Price</source>
        <translation>السعر</translation>
    </message>
    <message>
        <location filename="../trading/refundgrid.cpp" line="68"/>
        <source>ItemId</source>
        <translation>رقم تعريف الصنف</translation>
    </message>
    <message>
        <location filename="../trading/refundgrid.cpp" line="68"/>
        <source>UOMId</source>
        <translation>رقم تعريف الوحدة</translation>
    </message>
    <message>
        <location filename="../trading/refundgrid.cpp" line="69"/>
        <source>DetailId</source>
        <translation>رقم تعريف السطر</translation>
    </message>
</context>
<context>
    <name>cRefundWindow</name>
    <message>
        <location filename="../trading/refundwindow.cpp" line="198"/>
        <source>The %1 (%2) must lie between 0 and the refund&apos;s total (%3). Nothing was saved.</source>
        <translation>يجب أن تكون قيمة %1 (%2) بين 0 وإجمالي المرتجع (%3). لم يُحفظ شيء.</translation>
    </message>
    <message>
        <location filename="../trading/refundwindow.cpp" line="30"/>
        <source>this refund</source>
        <translation>هذا المرتجع</translation>
    </message>
</context>
<context>
    <name>cReport</name>
    <message>
        <location filename="../reports/framework/cReport.cpp" line="40"/>
        <source>The report template %1 cannot be read.</source>
        <translation>لا يمكن قراءة قالب التقرير %1.</translation>
    </message>
</context>
<context>
    <name>cSalesGrid</name>
    <message>
        <location filename="../sales/orders/salesgrid.cpp" line="49"/>
        <source>Item No</source>
        <translation>رقم الصنف</translation>
    </message>
    <message>
        <location filename="../sales/orders/salesgrid.cpp" line="49"/>
        <source>Item</source>
        <translation>الصنف</translation>
    </message>
    <message>
        <location filename="../sales/orders/salesgrid.cpp" line="49"/>
        <source>Quantity</source>
        <translation>الكمية</translation>
    </message>
    <message>
        <location filename="../sales/orders/salesgrid.cpp" line="49"/>
        <source>Unit of Measure</source>
        <translation>وحدة القياس</translation>
    </message>
    <message>
        <location filename="../sales/orders/salesgrid.cpp" line="50"/>
        <source>Price Type</source>
        <translation>نوع السعر</translation>
    </message>
    <message>
        <location filename="../sales/orders/salesgrid.cpp" line="50"/>
        <source>Unit Price</source>
        <translation>سعر الوحدة</translation>
    </message>
    <message>
        <location filename="../sales/orders/salesgrid.cpp" line="50"/>
        <source>Discount</source>
        <translation>الخصم</translation>
    </message>
    <message>
        <location filename="../sales/orders/salesgrid.cpp" line="50"/>
        <source>Discount %</source>
        <translation>الخصم %</translation>
    </message>
    <message>
        <location filename="../sales/orders/salesgrid.cpp" line="50"/>
        <source>Tax</source>
        <translation>الضريبة</translation>
    </message>
    <message>
        <location filename="../sales/orders/salesgrid.cpp" line="51"/>
        <source>Tax %</source>
        <translation>الضريبة %</translation>
    </message>
    <message>
        <location filename="../sales/orders/salesgrid.cpp" line="51"/>
        <source>Price</source>
        <translation>السعر</translation>
    </message>
    <message>
        <location filename="../sales/orders/salesgrid.cpp" line="51"/>
        <source>ItemId</source>
        <translation>رقم الصنف الداخلي</translation>
    </message>
    <message>
        <location filename="../sales/orders/salesgrid.cpp" line="51"/>
        <source>UOMId</source>
        <translation>رقم الوحدة</translation>
    </message>
    <message>
        <location filename="../sales/orders/salesgrid.cpp" line="51"/>
        <source>PriceTypeId</source>
        <translation>رقم نوع السعر</translation>
    </message>
    <message>
        <location filename="../sales/orders/salesgrid.cpp" line="233"/>
        <source>Line %1 (%2) has no price type. Choose one before saving.</source>
        <translation>السطر %1 (%2) بلا نوع سعر. اختر نوعًا قبل الحفظ.</translation>
    </message>
</context>
<context>
    <name>dlgAccTrans</name>
    <message>
        <location filename="../accounting/dlgAccTrans.ui" line="14"/>
        <source>Add Transaction Account</source>
        <translation>إضافة حساب إلى القيد</translation>
    </message>
    <message>
        <location filename="../accounting/dlgAccTrans.ui" line="22"/>
        <source>Debit</source>
        <translation>مدين</translation>
    </message>
    <message>
        <location filename="../accounting/dlgAccTrans.ui" line="32"/>
        <source>Credit</source>
        <translation>دائن</translation>
    </message>
    <message>
        <location filename="../accounting/dlgAccTrans.ui" line="56"/>
        <source>Account:</source>
        <translation>الحساب:</translation>
    </message>
    <message>
        <location filename="../accounting/dlgAccTrans.ui" line="73"/>
        <source>Amount:</source>
        <translation>المبلغ:</translation>
    </message>
    <message>
        <location filename="../accounting/dlgAccTrans.ui" line="99"/>
        <source>Comment:</source>
        <translation>ملاحظة:</translation>
    </message>
    <message>
        <location filename="../accounting/dlgAccTrans.ui" line="130"/>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <location filename="../accounting/dlgAccTrans.ui" line="137"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../app/frmAbout.ui" line="78"/>
        <source>About</source>
        <translation>حول البرنامج</translation>
    </message>
    <message>
        <location filename="../app/frmAbout.ui" line="106"/>
        <source>Version: </source>
        <translation>الإصدار: </translation>
    </message>
    <message>
        <location filename="../app/frmAbout.ui" line="152"/>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>frmAccounts</name>
    <message>
        <location filename="../accounting/frmAccounts.ui" line="14"/>
        <source>Accounts</source>
        <translation>الحسابات</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.ui" line="22"/>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.ui" line="32"/>
        <source>Currency:</source>
        <translation>العملة:</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.ui" line="49"/>
        <source>Account No.:</source>
        <translation>رقم الحساب:</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.ui" line="56"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Account Number:&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Account No must be&lt;span style=&quot; text-decoration: underline; color:#aa0000;&quot;&gt; less than&lt;/span&gt; the parent Account number.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;رقم الحساب:&lt;/span&gt;&lt;/p&gt;&lt;p&gt;يجب أن يكون رقم الحساب&lt;span style=&quot; text-decoration: underline; color:#aa0000;&quot;&gt; أقل من&lt;/span&gt; رقم الحساب الرئيسي.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.ui" line="78"/>
        <source>Description:</source>
        <translation>الوصف:</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.ui" line="85"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Account Description:&lt;/span&gt;&lt;/p&gt;&lt;p&gt;A name to the account to make it easy to find this account in future use.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;وصف الحساب:&lt;/span&gt;&lt;/p&gt;&lt;p&gt;اسم للحساب يسهّل العثور عليه عند استخدامه لاحقاً.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.ui" line="95"/>
        <source>Parent Account:</source>
        <translation>الحساب الرئيسي:</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.ui" line="115"/>
        <source>No Parent Account</source>
        <translation>بدون حساب رئيسي</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.ui" line="126"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.ui" line="133"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.ui" line="140"/>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.ui" line="169"/>
        <source>Account No.</source>
        <translation>رقم الحساب</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.ui" line="174"/>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.ui" line="179"/>
        <source>Currency</source>
        <translation>العملة</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.ui" line="184"/>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.ui" line="189"/>
        <source>AccountId</source>
        <translation>معرّف الحساب</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.cpp" line="26"/>
        <source>this account</source>
        <translation>هذا الحساب</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.cpp" line="64"/>
        <source>&lt;Add New&gt;</source>
        <translation>&lt;إضافة جديد&gt;</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccounts.cpp" line="229"/>
        <source>This account number / description is already taken</source>
        <translation>رقم الحساب أو وصفه مستخدم بالفعل</translation>
    </message>
</context>
<context>
    <name>frmAccountsView</name>
    <message>
        <location filename="../accounting/frmAccountsView.ui" line="14"/>
        <source>View Accounts </source>
        <translation>دليل الحسابات</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccountsView.ui" line="27"/>
        <source>Account No.</source>
        <translation>رقم الحساب</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccountsView.ui" line="32"/>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccountsView.ui" line="37"/>
        <source>Currency</source>
        <translation>العملة</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccountsView.ui" line="42"/>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccountsView.ui" line="47"/>
        <source>AccountId</source>
        <translation>معرّف الحساب</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccountsView.ui" line="52"/>
        <source>IsPredefined</source>
        <translation>معرّف مسبقاً</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccountsView.ui" line="62"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccountsView.ui" line="69"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccountsView.ui" line="76"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccountsView.cpp" line="120"/>
        <source>Cannot delete the selected account because it is required in other opeations in the system</source>
        <translation>لا يمكن حذف الحساب المحدد لأنه مطلوب في عمليات أخرى بالنظام</translation>
    </message>
    <message>
        <location filename="../accounting/frmAccountsView.cpp" line="124"/>
        <source>Delete account: </source>
        <translation>حذف الحساب: </translation>
    </message>
</context>
<context>
    <name>frmAddCompany</name>
    <message>
        <location filename="../app/frmAddCompany.ui" line="14"/>
        <source>Add Company</source>
        <translation>إضافة شركة</translation>
    </message>
    <message>
        <location filename="../app/frmAddCompany.ui" line="20"/>
        <source>&lt;span style=&quot; font-size:12pt; color:#00557f;&quot;&gt;Add new company...&lt;/span&gt;</source>
        <translation>&lt;span style=&quot; font-size:12pt; color:#00557f;&quot;&gt;إضافة شركة جديدة...&lt;/span&gt;</translation>
    </message>
    <message>
        <location filename="../app/frmAddCompany.ui" line="32"/>
        <source>Server Host/Port:</source>
        <translation>الخادم / المنفذ:</translation>
    </message>
    <message>
        <location filename="../app/frmAddCompany.ui" line="39"/>
        <source>localhost</source>
        <translation>localhost</translation>
    </message>
    <message>
        <location filename="../app/frmAddCompany.ui" line="52"/>
        <source>1212</source>
        <translation>1212</translation>
    </message>
    <message>
        <location filename="../app/frmAddCompany.ui" line="59"/>
        <source>Server Username:</source>
        <translation>اسم مستخدم الخادم:</translation>
    </message>
    <message>
        <location filename="../app/frmAddCompany.ui" line="66"/>
        <source>root</source>
        <translation>root</translation>
    </message>
    <message>
        <location filename="../app/frmAddCompany.ui" line="73"/>
        <source>Server Password:</source>
        <translation>كلمة مرور الخادم:</translation>
    </message>
    <message>
        <location filename="../app/frmAddCompany.ui" line="80"/>
        <source>KWZ407</source>
        <translation>KWZ407</translation>
    </message>
    <message>
        <location filename="../app/frmAddCompany.ui" line="90"/>
        <source>Test Connection</source>
        <translation>اختبار الاتصال</translation>
    </message>
    <message>
        <location filename="../app/frmAddCompany.ui" line="97"/>
        <source>Database:</source>
        <translation>قاعدة البيانات:</translation>
    </message>
    <message>
        <location filename="../app/frmAddCompany.ui" line="131"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location filename="../app/frmAddCompany.cpp" line="45"/>
        <source>The company entry was changed or removed in another window or by another Zarpo meanwhile, so it was left as that one saved it. Open the company list again to see it.</source>
        <translation>غُيِّر قيد الشركة أو حُذف في نافذة أخرى أو من نسخة أخرى من Zarpo في أثناء ذلك، فتُرك كما حفظته تلك. افتح قائمة الشركات مرة أخرى لتراه.</translation>
    </message>
    <message>
        <location filename="../app/frmAddCompany.cpp" line="60"/>
        <source>Incorrect connection paramters for the following error:
</source>
        <translation>بيانات الاتصال غير صحيحة للخطأ التالي:
</translation>
    </message>
    <message>
        <location filename="../app/frmAddCompany.cpp" line="67"/>
        <source>Connection to host succeeded</source>
        <translation>تم الاتصال بالخادم بنجاح</translation>
    </message>
    <message>
        <location filename="../app/frmAddCompany.cpp" line="146"/>
        <source>The company could not be saved in the settings file.</source>
        <translation>تعذر حفظ الشركة في ملف الإعدادات.</translation>
    </message>
</context>
<context>
    <name>frmCategories</name>
    <message>
        <location filename="../items/frmCategories.ui" line="14"/>
        <source>Category</source>
        <translation>الفئة</translation>
    </message>
    <message>
        <location filename="../items/frmCategories.ui" line="20"/>
        <source>Category:</source>
        <translation>الفئة:</translation>
    </message>
    <message>
        <location filename="../items/frmCategories.ui" line="31"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../items/frmCategories.ui" line="38"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location filename="../items/frmCategories.ui" line="45"/>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <location filename="../items/frmCategories.cpp" line="15"/>
        <source>this category</source>
        <translation>هذه الفئة</translation>
    </message>
</context>
<context>
    <name>frmCategoriesView</name>
    <message>
        <location filename="../items/frmCategoriesView.ui" line="14"/>
        <source>Categories View</source>
        <translation>عرض الفئات</translation>
    </message>
    <message>
        <location filename="../items/frmCategoriesView.ui" line="35"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../items/frmCategoriesView.ui" line="42"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../items/frmCategoriesView.ui" line="49"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../items/frmCategoriesView.cpp" line="28"/>
        <source>Category</source>
        <translation>الفئة</translation>
    </message>
</context>
<context>
    <name>frmCompanyInfo</name>
    <message>
        <location filename="../app/frmCompanyInfo.ui" line="14"/>
        <source>Company Info</source>
        <translation>بيانات الشركة</translation>
    </message>
    <message>
        <location filename="../app/frmCompanyInfo.ui" line="20"/>
        <source>Company Name:</source>
        <translation>اسم الشركة:</translation>
    </message>
    <message>
        <location filename="../app/frmCompanyInfo.ui" line="40"/>
        <source>Save and close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <location filename="../app/frmCompanyInfo.ui" line="50"/>
        <source>Address:</source>
        <translation>العنوان:</translation>
    </message>
    <message>
        <location filename="../app/frmCompanyInfo.ui" line="77"/>
        <source>Phone:</source>
        <translation>الهاتف:</translation>
    </message>
    <message>
        <location filename="../app/frmCompanyInfo.cpp" line="16"/>
        <source>the company&apos;s details</source>
        <translation>بيانات الشركة</translation>
    </message>
    <message>
        <location filename="../app/frmCompanyInfo.cpp" line="78"/>
        <source>Save failed:</source>
        <translation>فشل الحفظ:</translation>
    </message>
</context>
<context>
    <name>frmCurrencies</name>
    <message>
        <location filename="../accounting/frmCurrencies.ui" line="14"/>
        <source>Currencies</source>
        <translation>العملات</translation>
    </message>
    <message>
        <location filename="../accounting/frmCurrencies.ui" line="20"/>
        <source>Currency:</source>
        <translation>العملة:</translation>
    </message>
    <message>
        <location filename="../accounting/frmCurrencies.ui" line="36"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../accounting/frmCurrencies.ui" line="43"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location filename="../accounting/frmCurrencies.ui" line="50"/>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <location filename="../accounting/frmCurrencies.ui" line="57"/>
        <source>Character Map</source>
        <translation>خريطة الحروف</translation>
    </message>
    <message>
        <location filename="../accounting/frmCurrencies.ui" line="66"/>
        <source>Symbol:</source>
        <translation>الرمز:</translation>
    </message>
    <message>
        <location filename="../accounting/frmCurrencies.cpp" line="17"/>
        <source>this currency</source>
        <translation>هذه العملة</translation>
    </message>
    <message>
        <location filename="../accounting/frmCurrencies.cpp" line="52"/>
        <source>Insert currency name</source>
        <translation>أدخل اسم العملة</translation>
    </message>
</context>
<context>
    <name>frmCurrenciesView</name>
    <message>
        <location filename="../accounting/frmCurrenciesView.ui" line="14"/>
        <source>View Currencies</source>
        <translation>عرض العملات</translation>
    </message>
    <message>
        <location filename="../accounting/frmCurrenciesView.ui" line="32"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../accounting/frmCurrenciesView.ui" line="39"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../accounting/frmCurrenciesView.ui" line="46"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../accounting/frmCurrenciesView.ui" line="53"/>
        <source>Set Default</source>
        <translation>تعيين كافتراضية</translation>
    </message>
    <message>
        <location filename="../accounting/frmCurrenciesView.cpp" line="32"/>
        <source>Currency</source>
        <translation>العملة</translation>
    </message>
    <message>
        <location filename="../accounting/frmCurrenciesView.cpp" line="32"/>
        <source>Symbol</source>
        <translation>الرمز</translation>
    </message>
</context>
<context>
    <name>frmCustomers</name>
    <message>
        <location filename="../partners/frmCustomers.ui" line="14"/>
        <source>Customers</source>
        <translation>العملاء</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="24"/>
        <source>Customer name:</source>
        <translation>اسم العميل:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="44"/>
        <source>Contact Person Info:</source>
        <translation>بيانات جهة الاتصال:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="90"/>
        <location filename="../partners/frmCustomers.ui" line="335"/>
        <location filename="../partners/frmCustomers.cpp" line="279"/>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="100"/>
        <location filename="../partners/frmCustomers.cpp" line="281"/>
        <source>Street:</source>
        <translation>الشارع:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="110"/>
        <location filename="../partners/frmCustomers.cpp" line="278"/>
        <source>City, Province, Country:</source>
        <translation>المدينة، المحافظة، الدولة:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="120"/>
        <location filename="../partners/frmCustomers.cpp" line="280"/>
        <source>Phone:</source>
        <translation>الهاتف:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="130"/>
        <source>Last sale was on:</source>
        <translation>آخر بيع كان في:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="150"/>
        <source>Basic Info</source>
        <translation>البيانات الأساسية</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="156"/>
        <source>Contact person:</source>
        <translation>جهة الاتصال:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="176"/>
        <source>Active</source>
        <translation>نشط</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="186"/>
        <source>Sales person:</source>
        <translation>مندوب المبيعات:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="206"/>
        <source>Customer since:</source>
        <translation>عميل منذ:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="223"/>
        <source>Revenu Acc No.</source>
        <translation>رقم حساب الإيرادات</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="240"/>
        <source>Expenses Acc No.</source>
        <translation>رقم حساب المصروفات</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="257"/>
        <source>Default price type:</source>
        <translation>نوع السعر الافتراضي:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="277"/>
        <source>Standard discount:</source>
        <translation>الخصم المعتاد:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="303"/>
        <source>Notes:</source>
        <translation>ملاحظات:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="318"/>
        <source>Ship To</source>
        <translation>الشحن إلى</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="324"/>
        <source>Ship To:</source>
        <translation>الشحن إلى:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="349"/>
        <source>Street 1:</source>
        <translation>الشارع 1:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="363"/>
        <source>Street 2:</source>
        <translation>الشارع 2:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="377"/>
        <source>City:</source>
        <translation>المدينة:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="391"/>
        <source>Province:</source>
        <translation>المحافظة:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="405"/>
        <source>Postal code:</source>
        <translation>الرمز البريدي:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="419"/>
        <source>Country:</source>
        <translation>الدولة:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="433"/>
        <source>Phone 1:</source>
        <translation>الهاتف 1:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="447"/>
        <source>Phone 2:</source>
        <translation>الهاتف 2:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="461"/>
        <source>Fax:</source>
        <translation>الفاكس:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="475"/>
        <source>E-Mail:</source>
        <translation>البريد الإلكتروني:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="489"/>
        <source>Website:</source>
        <translation>الموقع الإلكتروني:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="511"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="518"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.ui" line="525"/>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.cpp" line="33"/>
        <source>this customer</source>
        <translation>هذا العميل</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.cpp" line="74"/>
        <location filename="../partners/frmCustomers.cpp" line="76"/>
        <location filename="../partners/frmCustomers.cpp" line="83"/>
        <location filename="../partners/frmCustomers.cpp" line="90"/>
        <source>&lt;Add New&gt;</source>
        <translation>&lt;إضافة جديد&gt;</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.cpp" line="76"/>
        <source>&lt;Contact Person&gt;</source>
        <translation>&lt;جهة الاتصال&gt;</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.cpp" line="202"/>
        <source>Type the customer&apos;s name.</source>
        <translation>اكتب اسم العميل.</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomers.cpp" line="207"/>
        <source>Choose the customer&apos;s contact person.</source>
        <translation>اختر الشخص المسؤول عن الاتصال لدى العميل.</translation>
    </message>
</context>
<context>
    <name>frmCustomersView</name>
    <message>
        <location filename="../partners/frmCustomersView.ui" line="14"/>
        <source>View Customers</source>
        <translation>عرض العملاء</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomersView.ui" line="20"/>
        <source>Show Inactive customers</source>
        <translation>إظهار العملاء غير النشطين</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomersView.ui" line="27"/>
        <source>Filter</source>
        <translation>تصفية</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomersView.ui" line="33"/>
        <source>Filter  by:</source>
        <translation>التصفية حسب:</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomersView.ui" line="41"/>
        <location filename="../partners/frmCustomersView.cpp" line="59"/>
        <source>Customer Name</source>
        <translation>اسم العميل</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomersView.ui" line="46"/>
        <location filename="../partners/frmCustomersView.cpp" line="59"/>
        <source>City</source>
        <translation>المدينة</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomersView.ui" line="51"/>
        <location filename="../partners/frmCustomersView.cpp" line="59"/>
        <source>Province</source>
        <translation>المحافظة</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomersView.ui" line="56"/>
        <location filename="../partners/frmCustomersView.cpp" line="59"/>
        <source>Country</source>
        <translation>الدولة</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomersView.ui" line="99"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomersView.ui" line="106"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomersView.ui" line="113"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../partners/frmCustomersView.cpp" line="59"/>
        <source>Notes</source>
        <translation>ملاحظات</translation>
    </message>
</context>
<context>
    <name>frmDailyCash</name>
    <message>
        <location filename="../reports/financial/frmDailyCash.ui" line="14"/>
        <source>Day Cash</source>
        <translation>نقدية اليوم</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmDailyCash.ui" line="20"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#00557f;&quot;&gt;Day Cash&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#00557f;&quot;&gt;نقدية اليوم&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmDailyCash.ui" line="29"/>
        <source>From:</source>
        <translation>من:</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmDailyCash.ui" line="39"/>
        <source>To:</source>
        <translation>إلى:</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmDailyCash.ui" line="53"/>
        <source>Purchases:</source>
        <translation>المشتريات:</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmDailyCash.ui" line="84"/>
        <source>Purchase Refunds:</source>
        <translation>مرتجعات المشتريات:</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmDailyCash.ui" line="115"/>
        <source>Sales:</source>
        <translation>المبيعات:</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmDailyCash.ui" line="146"/>
        <source>Sales Refunds:</source>
        <translation>مرتجعات المبيعات:</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmDailyCash.ui" line="197"/>
        <source>TOTAL:</source>
        <translation>الإجمالي:</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmDailyCash.ui" line="246"/>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>frmDepartments</name>
    <message>
        <location filename="../partners/frmDepartments.ui" line="14"/>
        <source>Departments</source>
        <translation>الأقسام</translation>
    </message>
    <message>
        <location filename="../partners/frmDepartments.ui" line="20"/>
        <source>Department:</source>
        <translation>القسم:</translation>
    </message>
    <message>
        <location filename="../partners/frmDepartments.ui" line="34"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../partners/frmDepartments.ui" line="41"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location filename="../partners/frmDepartments.ui" line="48"/>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <location filename="../partners/frmDepartments.cpp" line="15"/>
        <source>this department</source>
        <translation>هذا القسم</translation>
    </message>
</context>
<context>
    <name>frmDepartmentsView</name>
    <message>
        <location filename="../partners/frmDepartmentsView.ui" line="14"/>
        <source>View Departments</source>
        <translation>عرض الأقسام</translation>
    </message>
    <message>
        <location filename="../partners/frmDepartmentsView.ui" line="35"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../partners/frmDepartmentsView.ui" line="42"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../partners/frmDepartmentsView.ui" line="49"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../partners/frmDepartmentsView.cpp" line="24"/>
        <source>Department</source>
        <translation>القسم</translation>
    </message>
</context>
<context>
    <name>frmEmployees</name>
    <message>
        <location filename="../partners/frmEmployees.ui" line="14"/>
        <source>Employee</source>
        <translation>الموظف</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="24"/>
        <source>Employee Info</source>
        <translation>بيانات الموظف</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="30"/>
        <source>Person name:</source>
        <translation>اسم الشخص:</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="47"/>
        <source>Active</source>
        <translation>نشط</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="57"/>
        <source>Job title:</source>
        <translation>المسمى الوظيفي:</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="77"/>
        <source>Manager:</source>
        <translation>المدير:</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="94"/>
        <source>Department:</source>
        <translation>القسم:</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="111"/>
        <source>Social Insurance No.:</source>
        <translation>رقم التأمين الاجتماعي:</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="131"/>
        <source>Birth date:</source>
        <translation>تاريخ الميلاد:</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="148"/>
        <source>Hire date:</source>
        <translation>تاريخ التعيين:</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="165"/>
        <source>Termination date:</source>
        <translation>تاريخ انتهاء الخدمة:</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="182"/>
        <source>Pay periods per year:</source>
        <translation>عدد مرات الدفع في السنة:</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="237"/>
        <source>Annual salary</source>
        <translation>الراتب السنوي</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="266"/>
        <source>Bank account No.:</source>
        <translation>رقم الحساب البنكي:</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="286"/>
        <source>Image:</source>
        <translation>الصورة:</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="311"/>
        <source>Notes:</source>
        <translation>ملاحظات:</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="322"/>
        <source>Characteristics</source>
        <translation>الخصائص</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="330"/>
        <source>Characteristic:</source>
        <translation>الخاصية:</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="344"/>
        <source>Value:</source>
        <translation>القيمة:</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="375"/>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="382"/>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="401"/>
        <source>CharId</source>
        <translation>رقم الخاصية</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="406"/>
        <source>Charachteristic</source>
        <translation>الخاصية</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="411"/>
        <source>Value</source>
        <translation>القيمة</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="416"/>
        <source>IsUpdated</source>
        <translation>معدلة</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="465"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="472"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="479"/>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.ui" line="486"/>
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.cpp" line="55"/>
        <source>this employee</source>
        <translation>هذا الموظف</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.cpp" line="105"/>
        <location filename="../partners/frmEmployees.cpp" line="111"/>
        <source>&lt;Add New&gt;</source>
        <translation>&lt;إضافة جديد&gt;</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.cpp" line="152"/>
        <location filename="../partners/frmEmployees.cpp" line="203"/>
        <source>No image available</source>
        <translation>لا توجد صورة</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployees.cpp" line="157"/>
        <location filename="../partners/frmEmployees.cpp" line="203"/>
        <source>Image available</source>
        <translation>توجد صورة</translation>
    </message>
</context>
<context>
    <name>frmEmployeesView</name>
    <message>
        <location filename="../partners/frmEmployeesView.ui" line="14"/>
        <source>View Employees</source>
        <translation>عرض الموظفين</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployeesView.ui" line="20"/>
        <source>Show Inactive employees</source>
        <translation>إظهار الموظفين غير النشطين</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployeesView.ui" line="42"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployeesView.ui" line="49"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployeesView.ui" line="56"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployeesView.cpp" line="55"/>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployeesView.cpp" line="55"/>
        <source>Job Title</source>
        <translation>المسمى الوظيفي</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployeesView.cpp" line="55"/>
        <source>Manager Name</source>
        <translation>اسم المدير</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployeesView.cpp" line="56"/>
        <source>Department</source>
        <translation>القسم</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployeesView.cpp" line="56"/>
        <source>SIN</source>
        <translation>رقم التأمين الاجتماعي</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployeesView.cpp" line="56"/>
        <source>Birth Date</source>
        <translation>تاريخ الميلاد</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployeesView.cpp" line="57"/>
        <source>Hire Date</source>
        <translation>تاريخ التعيين</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployeesView.cpp" line="57"/>
        <source>Termination Date</source>
        <translation>تاريخ انتهاء الخدمة</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployeesView.cpp" line="57"/>
        <source>Pay Periods By Year</source>
        <translation>عدد مرات الدفع في السنة</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployeesView.cpp" line="58"/>
        <source>Annual Salary</source>
        <translation>الراتب السنوي</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployeesView.cpp" line="58"/>
        <source>Bank Account No.</source>
        <translation>رقم الحساب البنكي</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployeesView.cpp" line="58"/>
        <source>Active</source>
        <translation>نشط</translation>
    </message>
    <message>
        <location filename="../partners/frmEmployeesView.cpp" line="59"/>
        <source>Notes</source>
        <translation>ملاحظات</translation>
    </message>
</context>
<context>
    <name>frmFiscalYear</name>
    <message>
        <location filename="../accounting/frmFiscalYear.ui" line="14"/>
        <source>Fiscal Year</source>
        <translation>السنة المالية</translation>
    </message>
    <message>
        <location filename="../accounting/frmFiscalYear.ui" line="24"/>
        <source>From:</source>
        <translation>من:</translation>
    </message>
    <message>
        <location filename="../accounting/frmFiscalYear.ui" line="34"/>
        <source>To:</source>
        <translation>إلى:</translation>
    </message>
    <message>
        <location filename="../accounting/frmFiscalYear.ui" line="48"/>
        <source>The year is closed</source>
        <translation>السنة مقفلة</translation>
    </message>
    <message>
        <location filename="../accounting/frmFiscalYear.ui" line="74"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location filename="../accounting/frmFiscalYear.cpp" line="29"/>
        <source>this fiscal year</source>
        <translation>هذه السنة المالية</translation>
    </message>
    <message>
        <location filename="../accounting/frmFiscalYear.cpp" line="76"/>
        <source>The fiscal year cannot end before it starts.</source>
        <translation>لا يمكن أن تنتهي السنة المالية قبل أن تبدأ.</translation>
    </message>
</context>
<context>
    <name>frmFiscalYearView</name>
    <message>
        <location filename="../accounting/frmFiscalYearView.ui" line="14"/>
        <source>View Fiscal Years</source>
        <translation>عرض السنوات المالية</translation>
    </message>
    <message>
        <location filename="../accounting/frmFiscalYearView.ui" line="32"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../accounting/frmFiscalYearView.ui" line="39"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../accounting/frmFiscalYearView.ui" line="46"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../accounting/frmFiscalYearView.cpp" line="41"/>
        <source>From</source>
        <translation>من</translation>
    </message>
    <message>
        <location filename="../accounting/frmFiscalYearView.cpp" line="42"/>
        <source>To</source>
        <translation>إلى</translation>
    </message>
    <message>
        <location filename="../accounting/frmFiscalYearView.cpp" line="43"/>
        <source>Year Closed</source>
        <translation>السنة مقفلة</translation>
    </message>
</context>
<context>
    <name>frmGeneralJournal</name>
    <message>
        <location filename="../accounting/frmGeneralJournal.ui" line="14"/>
        <source>General Journal</source>
        <translation>دفتر اليومية العامة</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.ui" line="29"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#005500;&quot;&gt;General Journal&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#005500;&quot;&gt;دفتر اليومية العامة&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.ui" line="55"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.ui" line="69"/>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.ui" line="86"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.ui" line="108"/>
        <source>Date:</source>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.ui" line="131"/>
        <source>Description:</source>
        <translation>الوصف:</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.ui" line="156"/>
        <source>Accounts</source>
        <translation>الحسابات</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.ui" line="164"/>
        <source>Add Item</source>
        <translation>إضافة سطر</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.ui" line="175"/>
        <source>Remove Selected Item</source>
        <translation>حذف السطر المحدد</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.ui" line="217"/>
        <source>Transaction ID</source>
        <translation>رقم الحركة</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.ui" line="222"/>
        <source>Account ID</source>
        <translation>رقم الحساب</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.ui" line="227"/>
        <source>Account Name</source>
        <translation>اسم الحساب</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.ui" line="232"/>
        <location filename="../accounting/frmGeneralJournal.ui" line="261"/>
        <source>Debit</source>
        <translation>مدين</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.ui" line="237"/>
        <location filename="../accounting/frmGeneralJournal.ui" line="274"/>
        <source>Credit</source>
        <translation>دائن</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.ui" line="242"/>
        <source>Comment</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.ui" line="300"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Total&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;الإجمالي&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.cpp" line="31"/>
        <source>this journal entry</source>
        <translation>هذا القيد</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.cpp" line="104"/>
        <source>Transaction must have a positive value greater than zero</source>
        <translation>يجب أن تكون قيمة القيد موجبة وأكبر من الصفر</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.cpp" line="109"/>
        <source>The transaction is not balanced, debit total must be equal to credit total</source>
        <translation>القيد غير متوازن، يجب أن يساوي إجمالي المدين إجمالي الدائن</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournal.cpp" line="168"/>
        <source>Another user has changed this entry meanwhile, and it would no longer balance. Nothing was saved.</source>
        <translation>غيّر مستخدم آخر هذا القيد في هذه الأثناء، ولن يبقى متوازناً. لم يُحفظ شيء.</translation>
    </message>
</context>
<context>
    <name>frmGeneralJournalView</name>
    <message>
        <location filename="../accounting/frmGeneralJournalView.ui" line="14"/>
        <source>General Journal View</source>
        <translation>عرض قيود اليومية العامة</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournalView.ui" line="20"/>
        <source>Filter</source>
        <translation>تصفية</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournalView.ui" line="26"/>
        <source>Date From:</source>
        <translation>من تاريخ:</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournalView.ui" line="37"/>
        <source>To:</source>
        <translation>إلى:</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournalView.ui" line="48"/>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournalView.ui" line="89"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournalView.ui" line="100"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournalView.cpp" line="47"/>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournalView.cpp" line="48"/>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournalView.cpp" line="49"/>
        <source>Value</source>
        <translation>القيمة</translation>
    </message>
    <message>
        <location filename="../accounting/frmGeneralJournalView.cpp" line="69"/>
        <source>Delete general journal and all its transactions?</source>
        <translation>هل تريد حذف قيد اليومية وجميع حركاته؟</translation>
    </message>
</context>
<context>
    <name>frmInventory</name>
    <message>
        <location filename="../items/frmInventory.ui" line="14"/>
        <source>Item Inventory</source>
        <translation>مخزون الأصناف</translation>
    </message>
    <message>
        <location filename="../items/frmInventory.ui" line="22"/>
        <source>Warehouse:</source>
        <translation>المخزن:</translation>
    </message>
    <message>
        <location filename="../items/frmInventory.cpp" line="78"/>
        <source>Item No</source>
        <translation>رقم الصنف</translation>
    </message>
    <message>
        <location filename="../items/frmInventory.cpp" line="78"/>
        <source>Item Name</source>
        <translation>اسم الصنف</translation>
    </message>
    <message>
        <location filename="../items/frmInventory.cpp" line="78"/>
        <source>UOM</source>
        <translation>الوحدة</translation>
    </message>
    <message>
        <location filename="../items/frmInventory.cpp" line="78"/>
        <source>purchased</source>
        <translation>المشتريات</translation>
    </message>
    <message>
        <location filename="../items/frmInventory.cpp" line="78"/>
        <source>Sold</source>
        <translation>المبيعات</translation>
    </message>
    <message>
        <location filename="../items/frmInventory.cpp" line="78"/>
        <source>QOH</source>
        <translation>الرصيد</translation>
    </message>
</context>
<context>
    <name>frmItemCapital</name>
    <message>
        <location filename="../items/frmItemCapital.ui" line="14"/>
        <source>Item Capital</source>
        <translation>رأس مال الأصناف</translation>
    </message>
    <message>
        <location filename="../items/frmItemCapital.ui" line="20"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#00557f;&quot;&gt;Item Capital&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#00557f;&quot;&gt;رأس مال الأصناف&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../items/frmItemCapital.ui" line="55"/>
        <source>Total Purchases:</source>
        <translation>إجمالي المشتريات:</translation>
    </message>
    <message>
        <location filename="../items/frmItemCapital.ui" line="78"/>
        <source>Total Sales:</source>
        <translation>إجمالي المبيعات:</translation>
    </message>
    <message>
        <location filename="../items/frmItemCapital.ui" line="95"/>
        <source>Estimated Profit/Loss:</source>
        <translation>الربح/الخسارة التقديرية:</translation>
    </message>
    <message>
        <location filename="../items/frmItemCapital.cpp" line="50"/>
        <source>Item No.</source>
        <translation>رقم الصنف</translation>
    </message>
    <message>
        <location filename="../items/frmItemCapital.cpp" line="50"/>
        <source>Item Name</source>
        <translation>اسم الصنف</translation>
    </message>
    <message>
        <location filename="../items/frmItemCapital.cpp" line="50"/>
        <source>Unit Of Measure</source>
        <translation>وحدة القياس</translation>
    </message>
    <message>
        <location filename="../items/frmItemCapital.cpp" line="50"/>
        <source>Purchased</source>
        <translation>المشتريات</translation>
    </message>
    <message>
        <location filename="../items/frmItemCapital.cpp" line="51"/>
        <source>Sold</source>
        <translation>المبيعات</translation>
    </message>
    <message>
        <location filename="../items/frmItemCapital.cpp" line="51"/>
        <source>QOH</source>
        <translation>الرصيد</translation>
    </message>
    <message>
        <location filename="../items/frmItemCapital.cpp" line="51"/>
        <source>Purchase Capital</source>
        <translation>رأس المال بسعر الشراء</translation>
    </message>
    <message>
        <location filename="../items/frmItemCapital.cpp" line="51"/>
        <source>Sales Capital</source>
        <translation>رأس المال بسعر البيع</translation>
    </message>
</context>
<context>
    <name>frmItems</name>
    <message>
        <location filename="../items/frmItems.ui" line="14"/>
        <source>Items</source>
        <translation>الأصناف</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="24"/>
        <source>Item Info</source>
        <translation>بيانات الصنف</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="30"/>
        <source>Active</source>
        <translation>نشط</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="40"/>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="50"/>
        <source>Item No.:</source>
        <translation>رقم الصنف:</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="74"/>
        <source>Item Name:</source>
        <translation>اسم الصنف:</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="85"/>
        <source>Barcode:</source>
        <translation>الباركود:</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="96"/>
        <source>Category:</source>
        <translation>الفئة:</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="106"/>
        <source>Warranty:</source>
        <translation>الضمان:</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="125"/>
        <source>Days</source>
        <translation>يوم</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="147"/>
        <source>Default Vendor:</source>
        <translation>المورد الافتراضي:</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="157"/>
        <source>Vendor Item No.:</source>
        <translation>رقم الصنف لدى المورد:</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="168"/>
        <source>Validity:</source>
        <translation>الصلاحية:</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="185"/>
        <source>Day(s)</source>
        <translation>يوم</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="190"/>
        <source>Week(s)</source>
        <translation>أسبوع</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="195"/>
        <source>Month(s)</source>
        <translation>شهر</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="200"/>
        <source>Year(s)</source>
        <translation>سنة</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="224"/>
        <source>Pricing</source>
        <translation>التسعير</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="232"/>
        <source>Price Type:</source>
        <translation>نوع السعر:</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="249"/>
        <source>Unit of Measure:</source>
        <translation>وحدة القياس:</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="276"/>
        <source>Price:</source>
        <translation>السعر:</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="306"/>
        <location filename="../items/frmItems.ui" line="461"/>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="313"/>
        <location filename="../items/frmItems.ui" line="468"/>
        <location filename="../items/frmItems.cpp" line="444"/>
        <location filename="../items/frmItems.cpp" line="506"/>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="335"/>
        <source>PriceId</source>
        <translation>رقم السعر</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="340"/>
        <source>PriceTypeId</source>
        <translation>رقم نوع السعر</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="345"/>
        <source>Price Type</source>
        <translation>نوع السعر</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="350"/>
        <source>UOMId</source>
        <translation>رقم الوحدة</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="355"/>
        <source>UOM</source>
        <translation>الوحدة</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="360"/>
        <source>Price</source>
        <translation>السعر</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="365"/>
        <location filename="../items/frmItems.ui" line="520"/>
        <source>IsUpdated</source>
        <translation>معدل</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="374"/>
        <source>Unit of Measres</source>
        <translation>وحدات القياس</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="380"/>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot;font-size:8pt;&quot;&gt;&lt;p&gt;Specify the relationship between different units of measure. &lt;span style=&quot; font-weight:600; font-style:italic;&quot;&gt;For example&lt;/span&gt; a Package from this Item contains 12 boxes.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot;font-size:8pt;&quot;&gt;&lt;p dir=&quot;rtl&quot;&gt;حدد العلاقة بين وحدات القياس المختلفة. &lt;span style=&quot; font-weight:600;&quot;&gt;مثلًا&lt;/span&gt; عبوة من هذا الصنف تحتوي على 12 علبة.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="393"/>
        <source>A Unit of:</source>
        <translation>الوحدة:</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="410"/>
        <source>Contains:</source>
        <translation>تحتوي على:</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="427"/>
        <source>of:</source>
        <translation>من:</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="490"/>
        <source>Item UOM ID</source>
        <translation>رقم تحويل الوحدة</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="495"/>
        <source>Big Unit ID</source>
        <translation>رقم الوحدة الكبرى</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="500"/>
        <source>Big Unit</source>
        <translation>الوحدة الكبرى</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="505"/>
        <source>Contains</source>
        <translation>تحتوي على</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="510"/>
        <source>Small Unit ID</source>
        <translation>رقم الوحدة الصغرى</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="515"/>
        <source>Small Unit</source>
        <translation>الوحدة الصغرى</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="534"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="541"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location filename="../items/frmItems.ui" line="548"/>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <location filename="../items/frmItems.cpp" line="120"/>
        <source>this item</source>
        <translation>هذا الصنف</translation>
    </message>
    <message>
        <location filename="../items/frmItems.cpp" line="162"/>
        <location filename="../items/frmItems.cpp" line="173"/>
        <location filename="../items/frmItems.cpp" line="183"/>
        <source>&lt;Add New&gt;</source>
        <translation>&lt;إضافة جديد&gt;</translation>
    </message>
    <message>
        <location filename="../items/frmItems.cpp" line="269"/>
        <source>Item name must be specified</source>
        <translation>يجب تحديد اسم الصنف</translation>
    </message>
    <message>
        <location filename="../items/frmItems.cpp" line="273"/>
        <source>Item category must be specified</source>
        <translation>يجب تحديد فئة الصنف</translation>
    </message>
    <message>
        <location filename="../items/frmItems.cpp" line="280"/>
        <source>The validity can be at most %1 %2.</source>
        <translation>لا يجوز أن تزيد الصلاحية على %1 %2.</translation>
    </message>
    <message>
        <location filename="../items/frmItems.cpp" line="299"/>
        <source>the chosen category</source>
        <translation>الفئة المختارة</translation>
    </message>
    <message>
        <location filename="../items/frmItems.cpp" line="398"/>
        <source>Select Unit of measure for this price</source>
        <translation>اختر وحدة القياس لهذا السعر</translation>
    </message>
    <message>
        <location filename="../items/frmItems.cpp" line="429"/>
        <location filename="../items/frmItems.cpp" line="493"/>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <location filename="../items/frmItems.cpp" line="451"/>
        <source>Select big unit</source>
        <translation>اختر الوحدة الكبرى</translation>
    </message>
    <message>
        <location filename="../items/frmItems.cpp" line="453"/>
        <source>Select small unit</source>
        <translation>اختر الوحدة الصغرى</translation>
    </message>
    <message>
        <location filename="../items/frmItems.cpp" line="455"/>
        <source>Big unit and small unit must be different</source>
        <translation>يجب أن تختلف الوحدة الكبرى عن الوحدة الصغرى</translation>
    </message>
</context>
<context>
    <name>frmItemsView</name>
    <message>
        <location filename="../items/frmItemsView.ui" line="14"/>
        <source>View Items</source>
        <translation>عرض الأصناف</translation>
    </message>
    <message>
        <location filename="../items/frmItemsView.ui" line="22"/>
        <source>Show Inactive items</source>
        <translation>عرض الأصناف غير النشطة</translation>
    </message>
    <message>
        <location filename="../items/frmItemsView.ui" line="42"/>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <location filename="../items/frmItemsView.ui" line="63"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../items/frmItemsView.ui" line="73"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../items/frmItemsView.ui" line="83"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../items/frmItemsView.ui" line="108"/>
        <source>Filter</source>
        <translation>تصفية</translation>
    </message>
    <message>
        <location filename="../items/frmItemsView.ui" line="114"/>
        <source>Filter  by:</source>
        <translation>التصفية حسب:</translation>
    </message>
    <message>
        <location filename="../items/frmItemsView.ui" line="122"/>
        <location filename="../items/frmItemsView.cpp" line="67"/>
        <source>Item No.</source>
        <translation>رقم الصنف</translation>
    </message>
    <message>
        <location filename="../items/frmItemsView.ui" line="127"/>
        <location filename="../items/frmItemsView.cpp" line="67"/>
        <source>Item Name</source>
        <translation>اسم الصنف</translation>
    </message>
    <message>
        <location filename="../items/frmItemsView.cpp" line="42"/>
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message>
        <location filename="../items/frmItemsView.cpp" line="67"/>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <location filename="../items/frmItemsView.cpp" line="67"/>
        <source>Category</source>
        <translation>الفئة</translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message>
        <location filename="../app/frmLogin.ui" line="14"/>
        <location filename="../app/frmLogin.ui" line="227"/>
        <source>Login</source>
        <translation>دخول</translation>
    </message>
    <message>
        <location filename="../app/frmLogin.ui" line="144"/>
        <source>Company:</source>
        <translation>الشركة:</translation>
    </message>
    <message>
        <location filename="../app/frmLogin.ui" line="166"/>
        <source>Remove From Companies</source>
        <translation>إزالة من قائمة الشركات</translation>
    </message>
    <message>
        <location filename="../app/frmLogin.ui" line="169"/>
        <location filename="../app/frmLogin.ui" line="183"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location filename="../app/frmLogin.ui" line="180"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../app/frmLogin.ui" line="196"/>
        <source>Username:</source>
        <translation>اسم المستخدم:</translation>
    </message>
    <message>
        <location filename="../app/frmLogin.ui" line="203"/>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <location filename="../app/frmLogin.ui" line="210"/>
        <source>Password:</source>
        <translation>كلمة المرور:</translation>
    </message>
    <message>
        <location filename="../app/frmLogin.ui" line="217"/>
        <source>tavle</source>
        <translation>tavle</translation>
    </message>
    <message>
        <location filename="../app/frmLogin.ui" line="241"/>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <location filename="../app/frmLogin.ui" line="252"/>
        <source>&lt;span style=&quot; font-weight:600; color:#ff0000;&quot;&gt;Incorrect Login Parameters&lt;/span&gt;</source>
        <translation>&lt;span style=&quot; font-weight:600; color:#ff0000;&quot;&gt;بيانات الدخول غير صحيحة&lt;/span&gt;</translation>
    </message>
    <message>
        <location filename="../app/frmLogin.cpp" line="45"/>
        <source>The settings file could not be read. It was kept as %1, and a new one was started: the companies must be added again.</source>
        <translation>تعذّرت قراءة ملف الإعدادات. احتُفظ به باسم %1 وبُدئ ملف جديد: يجب إضافة الشركات من جديد.</translation>
    </message>
    <message>
        <location filename="../app/frmLogin.cpp" line="48"/>
        <source>&lt;Add New&gt;</source>
        <translation>&lt;إضافة جديد&gt;</translation>
    </message>
    <message>
        <location filename="../app/frmLogin.cpp" line="193"/>
        <source>The company could not be removed from the settings file.</source>
        <translation>تعذّر حذف الشركة من ملف الإعدادات.</translation>
    </message>
    <message>
        <location filename="../app/frmLogin.cpp" line="215"/>
        <source>The language could not be saved in the settings file.</source>
        <translation>تعذر حفظ اللغة في ملف الإعدادات.</translation>
    </message>
    <message>
        <location filename="../app/frmLogin.cpp" line="220"/>
        <source>Zarpo could not be restarted. The new language applies at the next start.</source>
        <translation>تعذّرت إعادة تشغيل Zarpo. ستُطبَّق اللغة الجديدة عند التشغيل التالي.</translation>
    </message>
</context>
<context>
    <name>frmMainWindow</name>
    <message>
        <location filename="../app/frmMainWindow.ui" line="14"/>
        <source>Zarpo Accounting - Version </source>
        <translation>زاربو للمحاسبة - الإصدار </translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="46"/>
        <source>Welcome</source>
        <translation>مرحبًا</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="58"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#b67900;&quot;&gt;Company&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#b67900;&quot;&gt;الشركة&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="120"/>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="158"/>
        <source>Dashboard</source>
        <translation>لوحة المعلومات</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="191"/>
        <source>Last 7 Days&apos; Sales</source>
        <translation>مبيعات آخر 7 أيام</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="283"/>
        <source>Stock Validity:</source>
        <translation>صلاحية المخزون:</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="290"/>
        <location filename="../app/frmMainWindow.ui" line="585"/>
        <location filename="../app/frmMainWindow.ui" line="963"/>
        <source>Reload</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="325"/>
        <source>Item Id</source>
        <translation>معرّف الصنف</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="330"/>
        <location filename="../app/frmMainWindow.cpp" line="617"/>
        <source>Item No.</source>
        <translation>رقم الصنف</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="335"/>
        <location filename="../app/frmMainWindow.cpp" line="617"/>
        <source>Item Name</source>
        <translation>اسم الصنف</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="340"/>
        <source>UOM</source>
        <translation>الوحدة</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="345"/>
        <source>Qty.</source>
        <translation>الكمية</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="350"/>
        <source>Expires Within</source>
        <translation>ينتهي خلال</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="362"/>
        <location filename="../app/frmMainWindow.ui" line="1227"/>
        <source>Purchasing</source>
        <translation>المشتريات</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="425"/>
        <location filename="../app/frmMainWindow.ui" line="1473"/>
        <source>Purchase Order</source>
        <translation>أمر شراء</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="453"/>
        <location filename="../app/frmMainWindow.ui" line="1231"/>
        <source>Vendors</source>
        <translation>الموردون</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="481"/>
        <location filename="../app/frmMainWindow.ui" line="1478"/>
        <source>Purchase Invoice</source>
        <translation>فاتورة مشتريات</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="509"/>
        <location filename="../app/frmMainWindow.ui" line="1483"/>
        <source>Purchase Refund</source>
        <translation>مرتجع مشتريات</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="578"/>
        <source>Vendors:</source>
        <translation>الموردون:</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="682"/>
        <source>Items On Purchase Order</source>
        <translation>أصناف في أوامر الشراء</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="712"/>
        <location filename="../app/frmMainWindow.ui" line="1246"/>
        <source>Sales</source>
        <translation>المبيعات</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="775"/>
        <location filename="../app/frmMainWindow.ui" line="1493"/>
        <source>Sales Quote</source>
        <translation>عرض سعر</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="803"/>
        <location filename="../app/frmMainWindow.ui" line="1123"/>
        <source>Customers</source>
        <translation>العملاء</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="831"/>
        <location filename="../app/frmMainWindow.ui" line="1498"/>
        <source>Sales Order</source>
        <translation>أمر بيع</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="859"/>
        <location filename="../app/frmMainWindow.ui" line="1503"/>
        <source>Sales Invoice</source>
        <translation>فاتورة مبيعات</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="887"/>
        <location filename="../app/frmMainWindow.ui" line="1508"/>
        <source>Sales Refund</source>
        <translation>مرتجع مبيعات</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="956"/>
        <source>Customers:</source>
        <translation>العملاء:</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1060"/>
        <source>Items On Sales Order</source>
        <translation>أصناف في أوامر البيع</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1103"/>
        <source>Main</source>
        <translation>الرئيسية</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1112"/>
        <source>CRM</source>
        <translation>إدارة العملاء</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1116"/>
        <source>Persons</source>
        <translation>الأشخاص</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1133"/>
        <source>Company</source>
        <translation>الشركة</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1137"/>
        <source>Departments</source>
        <translation>الأقسام</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1144"/>
        <source>Employees</source>
        <translation>الموظفون</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1151"/>
        <source>Users</source>
        <translation>المستخدمون</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1158"/>
        <location filename="../app/frmMainWindow.ui" line="1176"/>
        <source>Items</source>
        <translation>الأصناف</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1162"/>
        <source>Categories</source>
        <translation>فئات الأصناف</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1169"/>
        <source>Units of Measure</source>
        <translation>وحدات القياس</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1194"/>
        <source>Accounting</source>
        <translation>المحاسبة</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1198"/>
        <source>Accounts</source>
        <translation>الحسابات</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1205"/>
        <source>Currencies</source>
        <translation>العملات</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1212"/>
        <source>Fiscal Year</source>
        <translation>السنة المالية</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1258"/>
        <source>Reports</source>
        <translation>التقارير</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1264"/>
        <source>Tools</source>
        <translation>أدوات</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1268"/>
        <source>Company Database</source>
        <translation>قاعدة بيانات الشركة</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1280"/>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1308"/>
        <source>Change Password</source>
        <translation>تغيير كلمة المرور</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1313"/>
        <source>Logout</source>
        <translation>تسجيل الخروج</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1318"/>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1323"/>
        <location filename="../app/frmMainWindow.ui" line="1333"/>
        <location filename="../app/frmMainWindow.ui" line="1343"/>
        <location filename="../app/frmMainWindow.ui" line="1353"/>
        <location filename="../app/frmMainWindow.ui" line="1363"/>
        <location filename="../app/frmMainWindow.ui" line="1373"/>
        <location filename="../app/frmMainWindow.ui" line="1383"/>
        <location filename="../app/frmMainWindow.ui" line="1393"/>
        <location filename="../app/frmMainWindow.ui" line="1413"/>
        <location filename="../app/frmMainWindow.ui" line="1423"/>
        <location filename="../app/frmMainWindow.ui" line="1433"/>
        <location filename="../app/frmMainWindow.ui" line="1463"/>
        <source>View</source>
        <translation>عرض</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1328"/>
        <location filename="../app/frmMainWindow.ui" line="1338"/>
        <location filename="../app/frmMainWindow.ui" line="1348"/>
        <location filename="../app/frmMainWindow.ui" line="1358"/>
        <location filename="../app/frmMainWindow.ui" line="1368"/>
        <location filename="../app/frmMainWindow.ui" line="1378"/>
        <location filename="../app/frmMainWindow.ui" line="1388"/>
        <location filename="../app/frmMainWindow.ui" line="1398"/>
        <location filename="../app/frmMainWindow.ui" line="1418"/>
        <location filename="../app/frmMainWindow.ui" line="1428"/>
        <location filename="../app/frmMainWindow.ui" line="1438"/>
        <location filename="../app/frmMainWindow.ui" line="1468"/>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1403"/>
        <source>Inventory</source>
        <translation>المخزون</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1408"/>
        <source>Company Info</source>
        <translation>بيانات الشركة</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1443"/>
        <source>Day Cash</source>
        <translation>نقدية اليوم</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1448"/>
        <source>Item Capital</source>
        <translation>رأس مال الأصناف</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1453"/>
        <source>Sales Profit</source>
        <translation>أرباح المبيعات</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1458"/>
        <source>General Journal</source>
        <translation>اليومية العامة</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1488"/>
        <source>Purchase Payment</source>
        <translation>مدفوعات الموردين</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1513"/>
        <source>Sales Payment</source>
        <translation>مقبوضات العملاء</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1518"/>
        <source>Reports Center</source>
        <translation>مركز التقارير</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1523"/>
        <source>Backup</source>
        <translation>نسخ احتياطي</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1528"/>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1536"/>
        <source>Preferences</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1541"/>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.ui" line="1546"/>
        <source>About</source>
        <translation>حول البرنامج</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="318"/>
        <source>Accounting Backup</source>
        <translation>نسخة احتياطية للحسابات</translation>
    </message>
    <message>
        <location filename="../app/cDbManinpulation.cpp" line="328"/>
        <source>Accounting Restore</source>
        <translation>استعادة نسخة احتياطية للحسابات</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.cpp" line="95"/>
        <source>No sales yet</source>
        <translation>لا توجد مبيعات بعد</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.cpp" line="572"/>
        <source>Vendor ID</source>
        <translation>معرّف المورد</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.cpp" line="572"/>
        <source>Vendor Name</source>
        <translation>اسم المورد</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.cpp" line="572"/>
        <source>Contact Name</source>
        <translation>اسم جهة الاتصال</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.cpp" line="572"/>
        <location filename="../app/frmMainWindow.cpp" line="595"/>
        <source>Phone</source>
        <translation>الهاتف</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.cpp" line="572"/>
        <location filename="../app/frmMainWindow.cpp" line="595"/>
        <source>Balance</source>
        <translation>الرصيد</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.cpp" line="595"/>
        <source>Customer ID</source>
        <translation>معرّف العميل</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.cpp" line="595"/>
        <source>Customer Name</source>
        <translation>اسم العميل</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.cpp" line="595"/>
        <source>Contact Person</source>
        <translation>جهة الاتصال</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.cpp" line="617"/>
        <source>Item ID</source>
        <translation>معرّف الصنف</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.cpp" line="617"/>
        <source>Unit Of Measure</source>
        <translation>وحدة القياس</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.cpp" line="617"/>
        <source>Ordered Qty.</source>
        <translation>الكمية المطلوبة</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.cpp" line="667"/>
        <source>Expired</source>
        <translation>منتهي الصلاحية</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.cpp" line="670"/>
        <source>A Week</source>
        <translation>أسبوع</translation>
    </message>
    <message>
        <location filename="../app/frmMainWindow.cpp" line="673"/>
        <source>A Month</source>
        <translation>شهر</translation>
    </message>
</context>
<context>
    <name>frmPersons</name>
    <message>
        <location filename="../partners/frmPersons.ui" line="17"/>
        <source>Contact Persons</source>
        <translation>جهات الاتصال</translation>
    </message>
    <message>
        <location filename="../partners/frmPersons.ui" line="25"/>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <location filename="../partners/frmPersons.ui" line="39"/>
        <source>Street 1:</source>
        <translation>الشارع 1:</translation>
    </message>
    <message>
        <location filename="../partners/frmPersons.ui" line="53"/>
        <source>Street 2:</source>
        <translation>الشارع 2:</translation>
    </message>
    <message>
        <location filename="../partners/frmPersons.ui" line="67"/>
        <source>City:</source>
        <translation>المدينة:</translation>
    </message>
    <message>
        <location filename="../partners/frmPersons.ui" line="81"/>
        <source>Province:</source>
        <translation>المحافظة:</translation>
    </message>
    <message>
        <location filename="../partners/frmPersons.ui" line="95"/>
        <source>Postal code:</source>
        <translation>الرمز البريدي:</translation>
    </message>
    <message>
        <location filename="../partners/frmPersons.ui" line="109"/>
        <source>Country:</source>
        <translation>الدولة:</translation>
    </message>
    <message>
        <location filename="../partners/frmPersons.ui" line="123"/>
        <source>Phone 1:</source>
        <translation>الهاتف 1:</translation>
    </message>
    <message>
        <location filename="../partners/frmPersons.ui" line="137"/>
        <source>Phone 2:</source>
        <translation>الهاتف 2:</translation>
    </message>
    <message>
        <location filename="../partners/frmPersons.ui" line="151"/>
        <source>Fax:</source>
        <translation>الفاكس:</translation>
    </message>
    <message>
        <location filename="../partners/frmPersons.ui" line="165"/>
        <source>E-Mail:</source>
        <translation>البريد الإلكتروني:</translation>
    </message>
    <message>
        <location filename="../partners/frmPersons.ui" line="179"/>
        <source>Website:</source>
        <translation>الموقع الإلكتروني:</translation>
    </message>
    <message>
        <location filename="../partners/frmPersons.ui" line="197"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../partners/frmPersons.ui" line="204"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location filename="../partners/frmPersons.ui" line="211"/>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <location filename="../partners/frmPersons.cpp" line="19"/>
        <source>this person</source>
        <translation>هذا الشخص</translation>
    </message>
</context>
<context>
    <name>frmPersonsView</name>
    <message>
        <location filename="../partners/frmPersonsView.ui" line="14"/>
        <source>View Persons</source>
        <translation>عرض الأشخاص</translation>
    </message>
    <message>
        <location filename="../partners/frmPersonsView.ui" line="35"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../partners/frmPersonsView.ui" line="42"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../partners/frmPersonsView.ui" line="49"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../partners/frmPersonsView.cpp" line="37"/>
        <source>Person ID</source>
        <translation>رقم الشخص</translation>
    </message>
    <message>
        <location filename="../partners/frmPersonsView.cpp" line="37"/>
        <source>Person name</source>
        <translation>اسم الشخص</translation>
    </message>
    <message>
        <location filename="../partners/frmPersonsView.cpp" line="37"/>
        <source>Street 1</source>
        <translation>الشارع 1</translation>
    </message>
    <message>
        <location filename="../partners/frmPersonsView.cpp" line="37"/>
        <source>Street 2</source>
        <translation>الشارع 2</translation>
    </message>
    <message>
        <location filename="../partners/frmPersonsView.cpp" line="37"/>
        <source>City</source>
        <translation>المدينة</translation>
    </message>
    <message>
        <location filename="../partners/frmPersonsView.cpp" line="38"/>
        <source>Province</source>
        <translation>المحافظة</translation>
    </message>
    <message>
        <location filename="../partners/frmPersonsView.cpp" line="38"/>
        <source>Postal code</source>
        <translation>الرمز البريدي</translation>
    </message>
    <message>
        <location filename="../partners/frmPersonsView.cpp" line="38"/>
        <source>Country</source>
        <translation>الدولة</translation>
    </message>
    <message>
        <location filename="../partners/frmPersonsView.cpp" line="38"/>
        <source>Phone 1</source>
        <translation>الهاتف 1</translation>
    </message>
    <message>
        <location filename="../partners/frmPersonsView.cpp" line="38"/>
        <source>Phone 2</source>
        <translation>الهاتف 2</translation>
    </message>
    <message>
        <location filename="../partners/frmPersonsView.cpp" line="39"/>
        <source>Fax 1</source>
        <translation>الفاكس 1</translation>
    </message>
    <message>
        <location filename="../partners/frmPersonsView.cpp" line="39"/>
        <source>EMail</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <location filename="../partners/frmPersonsView.cpp" line="39"/>
        <source>Website</source>
        <translation>الموقع الإلكتروني</translation>
    </message>
</context>
<context>
    <name>frmPreferences</name>
    <message>
        <location filename="../app/frmPreferences.ui" line="14"/>
        <source>Preferences</source>
        <translation>التفضيلات</translation>
    </message>
</context>
<context>
    <name>frmPurchaseInvoice</name>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="14"/>
        <source>Purchase Invoice</source>
        <translation>فاتورة مشتريات</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="22"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;Add New Purchase Invoice&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;إضافة فاتورة مشتريات جديدة&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="32"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff5500;&quot;&gt;Edit Purchase Invoice&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff5500;&quot;&gt;تعديل فاتورة مشتريات&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="55"/>
        <source>Create new invoice (F4)</source>
        <translation>إنشاء فاتورة جديدة (F4)</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="58"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="77"/>
        <source>Search all previous invoices (F5)</source>
        <translation>البحث في كل الفواتير السابقة (F5)</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="80"/>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="99"/>
        <source>Save current invoice (F6)</source>
        <translation>حفظ الفاتورة الحالية (F6)</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="102"/>
        <source>Save Invoice</source>
        <translation>حفظ الفاتورة</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="135"/>
        <source>Ship To:</source>
        <translation>الشحن إلى:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="145"/>
        <source>Purchase Invoice No.:</source>
        <translation>رقم فاتورة المشتريات:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="155"/>
        <source>Vendor:</source>
        <translation>المورد:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="172"/>
        <source>Purchase Order No.:</source>
        <translation>رقم أمر الشراء:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="184"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="229"/>
        <source>Date:</source>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="245"/>
        <source>Ship date:</source>
        <translation>تاريخ الشحن:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="263"/>
        <source>Items</source>
        <translation>الأصناف</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="271"/>
        <source>Add Item (F3)</source>
        <translation>إضافة صنف (F3)</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="322"/>
        <source>Quick Add By Barcode:</source>
        <translation>إضافة سريعة بالباركود:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="332"/>
        <source>GO</source>
        <translation>اذهب</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="365"/>
        <source>Comment:</source>
        <translation>ملاحظات:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="384"/>
        <source>Subtotal:</source>
        <translation>المجموع الفرعي:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="407"/>
        <source>Freight:</source>
        <translation>الشحن:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="427"/>
        <source>Deposit:</source>
        <translation>المدفوع:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="447"/>
        <source>Total:</source>
        <translation>الإجمالي:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="470"/>
        <source>Debt:</source>
        <translation>الباقي:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="493"/>
        <source>Payment method:</source>
        <translation>طريقة الدفع:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="501"/>
        <source>Cash</source>
        <translation>نقدي</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="506"/>
        <source>Cheque</source>
        <translation>شيك</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.ui" line="511"/>
        <source>Credit Card</source>
        <translation>بطاقة ائتمان</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.cpp" line="40"/>
        <source>this purchase invoice</source>
        <translation>فاتورة الشراء هذه</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.cpp" line="87"/>
        <source>Production Date</source>
        <translation>تاريخ الإنتاج</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.cpp" line="92"/>
        <location filename="../purchasing/frmPurchaseInvoice.cpp" line="97"/>
        <source>&lt;Add New&gt;</source>
        <translation>&lt;إضافة جديد&gt;</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.cpp" line="195"/>
        <source>A stored invoice cannot be filled from an order. Press New first.</source>
        <translation>لا يمكن ملء فاتورة محفوظة من أمر. اضغط جديد أولا.</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.cpp" line="205"/>
        <source>No purchase order has this number.</source>
        <translation>لا يوجد أمر شراء بهذا الرقم.</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.cpp" line="232"/>
        <source>Select Vendor</source>
        <translation>اختر المورد</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.cpp" line="233"/>
        <source>Select Warehouse</source>
        <translation>اختر المخزن</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.cpp" line="249"/>
        <source>the purchase order this invoice is made from</source>
        <translation>أمر الشراء الذي أُنشئت منه هذه الفاتورة</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.cpp" line="253"/>
        <source>the chosen vendor</source>
        <translation>المورد المختار</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoice.cpp" line="255"/>
        <source>the chosen warehouse</source>
        <translation>المخزن المختار</translation>
    </message>
</context>
<context>
    <name>frmPurchaseInvoiceView</name>
    <message>
        <location filename="../purchasing/frmPurchaseInvoiceView.ui" line="14"/>
        <source>View Purchase Invoices</source>
        <translation>عرض فواتير المشتريات</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoiceView.ui" line="35"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoiceView.ui" line="46"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoiceView.cpp" line="38"/>
        <source>Purchase Invoice No.</source>
        <translation>رقم فاتورة المشتريات</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoiceView.cpp" line="38"/>
        <source>Vendor</source>
        <translation>المورد</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoiceView.cpp" line="38"/>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoiceView.cpp" line="38"/>
        <source>Total</source>
        <translation>الإجمالي</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoiceView.cpp" line="38"/>
        <source>Employee</source>
        <translation>الموظف</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoiceView.cpp" line="38"/>
        <source>Comments</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseInvoiceView.cpp" line="52"/>
        <source> Purchase Invoice No. </source>
        <translation> فاتورة المشتريات رقم </translation>
    </message>
</context>
<context>
    <name>frmPurchaseOrder</name>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="14"/>
        <source>Purchase Order</source>
        <translation>أمر شراء</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="22"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;Add New Purchase Order&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;إضافة أمر شراء جديد&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="32"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff5500;&quot;&gt;Edit Purchase Order&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff5500;&quot;&gt;تعديل أمر شراء&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="58"/>
        <source>Create new invoice (F4)</source>
        <translation>إنشاء فاتورة جديدة (F4)</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="61"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="83"/>
        <source>Search all previous invoices (F5)</source>
        <translation>البحث في كل الفواتير السابقة (F5)</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="86"/>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="108"/>
        <source>Save current invoice (F6)</source>
        <translation>حفظ الفاتورة الحالية (F6)</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="111"/>
        <source>Save Order</source>
        <translation>حفظ الأمر</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="144"/>
        <source>Vendor:</source>
        <translation>المورد:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="174"/>
        <source>Purchase Order No.:</source>
        <translation>رقم أمر الشراء:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="191"/>
        <source>Ship To:</source>
        <translation>الشحن إلى:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="208"/>
        <source>Date:</source>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="241"/>
        <source>Ship date:</source>
        <translation>تاريخ الشحن:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="255"/>
        <source>Expire date:</source>
        <translation>تاريخ الانتهاء:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="271"/>
        <source>Items</source>
        <translation>الأصناف</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="279"/>
        <source>Add Item (F3)</source>
        <translation>إضافة صنف (F3)</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="350"/>
        <source>Comment:</source>
        <translation>ملاحظات:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="369"/>
        <source>Subtotal:</source>
        <translation>المجموع الفرعي:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="392"/>
        <source>Freight:</source>
        <translation>الشحن:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.ui" line="412"/>
        <source>Total:</source>
        <translation>الإجمالي:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.cpp" line="34"/>
        <source>this purchase order</source>
        <translation>أمر الشراء هذا</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.cpp" line="73"/>
        <source>Expire Date</source>
        <translation>تاريخ الانتهاء</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.cpp" line="79"/>
        <location filename="../purchasing/frmPurchaseOrder.cpp" line="84"/>
        <source>&lt;Add New&gt;</source>
        <translation>&lt;إضافة جديد&gt;</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.cpp" line="163"/>
        <source>Select Vendor</source>
        <translation>اختر المورد</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.cpp" line="164"/>
        <source>Select Warehouse</source>
        <translation>اختر المخزن</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.cpp" line="177"/>
        <source>the chosen vendor</source>
        <translation>المورد المختار</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrder.cpp" line="179"/>
        <source>the chosen warehouse</source>
        <translation>المخزن المختار</translation>
    </message>
</context>
<context>
    <name>frmPurchaseOrderView</name>
    <message>
        <location filename="../purchasing/frmPurchaseOrderView.ui" line="14"/>
        <source>View Purchase Orders</source>
        <translation>عرض أوامر الشراء</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrderView.ui" line="35"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrderView.ui" line="46"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrderView.cpp" line="35"/>
        <source>Purchase Order No.</source>
        <translation>رقم أمر الشراء</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrderView.cpp" line="35"/>
        <source>Vendor</source>
        <translation>المورد</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrderView.cpp" line="35"/>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrderView.cpp" line="35"/>
        <source>Total</source>
        <translation>الإجمالي</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrderView.cpp" line="35"/>
        <source>Employee</source>
        <translation>الموظف</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrderView.cpp" line="35"/>
        <source>Comments</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseOrderView.cpp" line="49"/>
        <source> Purchase Order No. </source>
        <translation> أمر الشراء رقم </translation>
    </message>
</context>
<context>
    <name>frmPurchaseRefund</name>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="6"/>
        <source>Purchase Refund</source>
        <translation>مرتجع مشتريات</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="8"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;Make New Purchase Refund&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;إنشاء مرتجع مشتريات جديد&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="11"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff5500;&quot;&gt;Edit Purchase Refund&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff5500;&quot;&gt;تعديل مرتجع مشتريات&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="14"/>
        <source>Start a new refund (F4)</source>
        <translation>بدء مرتجع جديد (F4)</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="16"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="22"/>
        <source>Search the stored refunds (F5)</source>
        <translation>البحث في المرتجعات المحفوظة (F5)</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="24"/>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="30"/>
        <source>Save the current refund (F6)</source>
        <translation>حفظ المرتجع الحالي (F6)</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="32"/>
        <source>Save Refund</source>
        <translation>حفظ المرتجع</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="38"/>
        <source>Vendor:</source>
        <translation>المورد:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="40"/>
        <source>Date:</source>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="40"/>
        <source>Invoices:</source>
        <translation>الفواتير:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="43"/>
        <source>Items</source>
        <translation>الأصناف</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="47"/>
        <source>Comment:</source>
        <translation>ملاحظات:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="47"/>
        <source>Subtotal:</source>
        <translation>المجموع الفرعي:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="50"/>
        <source>Payment method:</source>
        <translation>طريقة الدفع:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="52"/>
        <source>Cash</source>
        <translation>نقدي</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="53"/>
        <source>Cheque</source>
        <translation>شيك</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="54"/>
        <source>Credit Card</source>
        <translation>بطاقة ائتمان</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="55"/>
        <source>Freight:</source>
        <translation>الشحن:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="58"/>
        <source>Deposit:</source>
        <translation>المدفوع:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="61"/>
        <source>Total:</source>
        <translation>الإجمالي:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.ui" line="64"/>
        <source>Debt:</source>
        <translation>الباقي:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.cpp" line="16"/>
        <source>Select Vendor</source>
        <translation>اختر المورد</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.cpp" line="16"/>
        <source>Select Purchase Invoice</source>
        <translation>اختر فاتورة المشتريات</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.cpp" line="17"/>
        <source>There is no quantity supplied for any of the items in the purchase invoice, please supply the quantities you wish to refund</source>
        <translation>لم تُدخل كمية لأي صنف من أصناف فاتورة المشتريات، من فضلك أدخل الكميات التي تريد إرجاعها</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.cpp" line="19"/>
        <source>Production Date</source>
        <translation>تاريخ الإنتاج</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefund.cpp" line="19"/>
        <source>Invoice Detail ID</source>
        <translation>رقم تعريف سطر الفاتورة</translation>
    </message>
</context>
<context>
    <name>frmPurchaseRefundView</name>
    <message>
        <location filename="../purchasing/frmPurchaseRefundView.ui" line="14"/>
        <source>View Purchase Refunds</source>
        <translation>عرض مرتجعات المشتريات</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefundView.ui" line="35"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefundView.ui" line="46"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefundView.cpp" line="42"/>
        <source>Vendor Name</source>
        <translation>اسم المورد</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefundView.cpp" line="42"/>
        <source>Refunded By</source>
        <translation>بواسطة</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefundView.cpp" line="42"/>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefundView.cpp" line="42"/>
        <source>Subtotal</source>
        <translation>المجموع الفرعي</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefundView.cpp" line="42"/>
        <source>Freight</source>
        <translation>الشحن</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefundView.cpp" line="42"/>
        <source>Total</source>
        <translation>الإجمالي</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefundView.cpp" line="43"/>
        <source>Deposit Paid</source>
        <translation>المدفوع</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchaseRefundView.cpp" line="43"/>
        <source>Comments</source>
        <translation>ملاحظات</translation>
    </message>
</context>
<context>
    <name>frmPurchasingPayments</name>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="14"/>
        <source>Purchase Payments</source>
        <translation>مدفوعات الموردين</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="20"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;Purchase Payment&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;مدفوعات الموردين&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="32"/>
        <source>Vendor:</source>
        <translation>المورد:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="55"/>
        <source>Show full paid invoices</source>
        <translation>عرض الفواتير المسددة بالكامل</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="62"/>
        <source>Payment Date:</source>
        <translation>تاريخ الدفع:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="94"/>
        <source>Invoice ID</source>
        <translation>معرّف الفاتورة</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="99"/>
        <source>Invoice No.</source>
        <translation>رقم الفاتورة</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="104"/>
        <source>Invoice Date</source>
        <translation>تاريخ الفاتورة</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="109"/>
        <source>Invoice Total</source>
        <translation>إجمالي الفاتورة</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="114"/>
        <source>Paid</source>
        <translation>المدفوع</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="119"/>
        <source>Debt</source>
        <translation>الباقي</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="124"/>
        <source>Payment Amount</source>
        <translation>مبلغ الدفعة</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="134"/>
        <source>Comment:</source>
        <translation>ملاحظة:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="156"/>
        <source>Total Debts:</source>
        <translation>إجمالي الباقي:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="170"/>
        <source>Payment Method:</source>
        <translation>طريقة الدفع:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="178"/>
        <source>Cash</source>
        <translation>نقدي</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="183"/>
        <source>Cheque</source>
        <translation>شيك</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="188"/>
        <source>Credit Card</source>
        <translation>بطاقة ائتمان</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="196"/>
        <source>Total Payments:</source>
        <translation>إجمالي الدفعات:</translation>
    </message>
    <message>
        <location filename="../purchasing/frmPurchasingPayments.ui" line="210"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
</context>
<context>
    <name>frmReportViewer</name>
    <message>
        <location filename="../reports/framework/frmReportViewer.ui" line="14"/>
        <source>Report Preview</source>
        <translation>معاينة التقرير</translation>
    </message>
    <message>
        <location filename="../reports/framework/frmReportViewer.cpp" line="58"/>
        <source>Portrait</source>
        <translation>طولي</translation>
    </message>
    <message>
        <location filename="../reports/framework/frmReportViewer.cpp" line="58"/>
        <source>Landscape</source>
        <translation>عرضي</translation>
    </message>
    <message>
        <location filename="../reports/framework/frmReportViewer.cpp" line="62"/>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <location filename="../reports/framework/frmReportViewer.cpp" line="63"/>
        <location filename="../reports/framework/frmReportViewer.cpp" line="106"/>
        <source>Export PDF</source>
        <translation>تصدير PDF</translation>
    </message>
    <message>
        <location filename="../reports/framework/frmReportViewer.cpp" line="118"/>
        <source>Save As</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <location filename="../reports/framework/frmReportViewer.cpp" line="123"/>
        <source>The file %1 cannot be written.</source>
        <translation>تتعذّر الكتابة في الملف %1.</translation>
    </message>
    <message>
        <location filename="../reports/framework/frmReportViewer.cpp" line="146"/>
        <source>There is no printer to print on: the report was not printed.</source>
        <translation>لا توجد طابعة للطباعة عليها: لم يُطبع التقرير.</translation>
    </message>
    <message>
        <location filename="../reports/framework/frmReportViewer.cpp" line="116"/>
        <source>Report</source>
        <translation>تقرير</translation>
    </message>
</context>
<context>
    <name>frmReportsCenter</name>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="14"/>
        <source>Reports Center</source>
        <translation>مركز التقارير</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="33"/>
        <source>ID</source>
        <translation>الرمز</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="38"/>
        <source>Reports</source>
        <translation>التقارير</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="46"/>
        <source>Customers &amp; Sales</source>
        <translation>العملاء والمبيعات</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="59"/>
        <source>Customer List</source>
        <translation>قائمة العملاء</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="67"/>
        <source>Customer Sales Detailed</source>
        <translation>مبيعات العملاء التفصيلية</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="75"/>
        <source>Pending Sales Orders</source>
        <translation>أوامر البيع المعلقة</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="83"/>
        <source>Customer Statement of Account</source>
        <translation>كشف حساب عميل</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="92"/>
        <source>Vendors &amp; Purchase</source>
        <translation>الموردون والمشتريات</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="105"/>
        <source>Pending Purchase Orders</source>
        <translation>أوامر الشراء المعلقة</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="113"/>
        <source>Vendor List</source>
        <translation>قائمة الموردين</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="121"/>
        <source>Vendor Purchases Detailed</source>
        <translation>مشتريات الموردين التفصيلية</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="130"/>
        <source>Accounting</source>
        <translation>المحاسبة</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="143"/>
        <source>Account List</source>
        <translation>قائمة الحسابات</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="151"/>
        <source>General Journal List</source>
        <translation>قائمة اليومية العامة</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="159"/>
        <source>Balance Sheet</source>
        <translation>الميزانية العمومية</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="167"/>
        <source>Income Statement</source>
        <translation>قائمة الدخل</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="176"/>
        <source>Inventory &amp; Services</source>
        <translation>المخزون والخدمات</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="189"/>
        <source>Warehouse Inventory</source>
        <translation>جرد المخزن</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="197"/>
        <source>Inventory &amp; Service List</source>
        <translation>قائمة الأصناف والخدمات</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="205"/>
        <source>Price List</source>
        <translation>قائمة الأسعار</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="213"/>
        <source>Inventory Expire Dates</source>
        <translation>تواريخ انتهاء صلاحية المخزون</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="221"/>
        <source>Inventory Actions</source>
        <translation>حركة المخزون</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="230"/>
        <source>HR</source>
        <translation>الموارد البشرية</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="243"/>
        <source>Employees List</source>
        <translation>قائمة الموظفين</translation>
    </message>
    <message>
        <location filename="../reports/frmReportsCenter.ui" line="283"/>
        <source>Show Report</source>
        <translation>عرض التقرير</translation>
    </message>
</context>
<context>
    <name>frmSalesInvoice</name>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="14"/>
        <source>Sales Invoice</source>
        <translation>فاتورة مبيعات</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="22"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;Add New Sales Invoice&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;إضافة فاتورة مبيعات جديدة&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="32"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff5500;&quot;&gt;Edit Sales Invoice&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff5500;&quot;&gt;تعديل فاتورة مبيعات&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="55"/>
        <source>Create new invoice (F4)</source>
        <translation>إنشاء فاتورة جديدة (F4)</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="58"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="77"/>
        <source>Search all previous invoices (F5)</source>
        <translation>البحث في كل الفواتير السابقة (F5)</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="80"/>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="99"/>
        <source>Save current invoice (F6)</source>
        <translation>حفظ الفاتورة الحالية (F6)</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="102"/>
        <source>Save Ivoice</source>
        <translation>حفظ الفاتورة</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="124"/>
        <source>Print Invoice</source>
        <translation>طباعة الفاتورة</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="142"/>
        <source>Warehouse:</source>
        <translation>المخزن:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="152"/>
        <source>Sales Invoice No.:</source>
        <translation>رقم فاتورة المبيعات:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="162"/>
        <source>Customer:</source>
        <translation>العميل:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="179"/>
        <source>Sales Order No.:</source>
        <translation>رقم أمر البيع:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="191"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="203"/>
        <source>Ship To:</source>
        <translation>الشحن إلى:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="236"/>
        <source>Date:</source>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="252"/>
        <source>Ship date:</source>
        <translation>تاريخ الشحن:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="270"/>
        <source>Items</source>
        <translation>الأصناف</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="278"/>
        <source>Add Item (F3)</source>
        <translation>إضافة صنف (F3)</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="329"/>
        <source>Quick Add By Barcode:</source>
        <translation>إضافة سريعة بالباركود:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="339"/>
        <source>GO</source>
        <translation>اذهب</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="372"/>
        <source>Comment:</source>
        <translation>ملاحظات:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="391"/>
        <source>Subtotal:</source>
        <translation>المجموع:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="414"/>
        <source>Order Deposit:</source>
        <translation>عربون الأمر:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="437"/>
        <source>Freight:</source>
        <translation>مصاريف الشحن:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="457"/>
        <source>Deposit:</source>
        <translation>المدفوع:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="477"/>
        <source>Total:</source>
        <translation>الإجمالي:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="500"/>
        <source>Debt:</source>
        <translation>الباقي:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="526"/>
        <source>Payment method:</source>
        <translation>طريقة الدفع:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="534"/>
        <source>Cash</source>
        <translation>نقدي</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="539"/>
        <source>Cheque</source>
        <translation>شيك</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.ui" line="544"/>
        <source>Credit Card</source>
        <translation>بطاقة ائتمان</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.cpp" line="47"/>
        <source>this sales invoice</source>
        <translation>فاتورة البيع هذه</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.cpp" line="95"/>
        <location filename="../sales/invoices/frmSalesInvoice.cpp" line="103"/>
        <source>&lt;Add New&gt;</source>
        <translation>&lt;إضافة جديد&gt;</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.cpp" line="98"/>
        <source>Only active warehouses are listed.</source>
        <translation>لا تُعرض هنا إلا المخازن النشطة.</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.cpp" line="201"/>
        <source>A stored invoice cannot be filled from an order. Press New first.</source>
        <translation>لا يمكن ملء فاتورة محفوظة من أمر. اضغط جديد أولا.</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.cpp" line="213"/>
        <source>Incorrect or pre-used Sales Order No.</source>
        <translation>رقم أمر البيع غير صحيح أو مستخدم من قبل.</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.cpp" line="246"/>
        <source>Select Customer</source>
        <translation>اختر العميل</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.cpp" line="247"/>
        <location filename="../sales/invoices/frmSalesInvoice.cpp" line="416"/>
        <source>Select warehouse</source>
        <translation>اختر المخزن</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.cpp" line="264"/>
        <source>the chosen customer</source>
        <translation>العميل المختار</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.cpp" line="266"/>
        <source>the chosen warehouse</source>
        <translation>المخزن المختار</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.cpp" line="295"/>
        <source>the sales order this invoice is made from</source>
        <translation>أمر البيع الذي أُنشئت منه هذه الفاتورة</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.cpp" line="302"/>
        <source>Another invoice has been made from this sales order meanwhile. Nothing was saved.</source>
        <translation>أُنشئت فاتورة أخرى من أمر البيع هذا في أثناء ذلك. لم يُحفظ شيء.</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.cpp" line="325"/>
        <source>The invoice page could not be read; nothing was printed.</source>
        <translation>تعذرت قراءة صفحة الفاتورة؛ لم يطبع شيء.</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.cpp" line="348"/>
        <source>THANK YOU</source>
        <translation>شكراً لكم</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.cpp" line="349"/>
        <source>Thank you for your trust</source>
        <translation>شكراً لثقتكم</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.cpp" line="370"/>
        <source>No printer is ready: the invoice was saved but not printed.</source>
        <translation>لا توجد طابعة جاهزة: حفظت الفاتورة ولم تطبع.</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoice.cpp" line="433"/>
        <source>InvoiceDetailsId</source>
        <translation>رقم سطر الفاتورة</translation>
    </message>
</context>
<context>
    <name>frmSalesInvoiceView</name>
    <message>
        <location filename="../sales/invoices/frmSalesInvoiceView.ui" line="14"/>
        <source>View Sales Invoices</source>
        <translation>عرض فواتير المبيعات</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoiceView.ui" line="35"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoiceView.ui" line="46"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoiceView.cpp" line="35"/>
        <source>Sales Invoice No.</source>
        <translation>رقم فاتورة المبيعات</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoiceView.cpp" line="35"/>
        <source>Customer</source>
        <translation>العميل</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoiceView.cpp" line="35"/>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoiceView.cpp" line="35"/>
        <source>Total</source>
        <translation>الإجمالي</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoiceView.cpp" line="35"/>
        <source>Employee</source>
        <translation>الموظف</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoiceView.cpp" line="36"/>
        <source>Comments</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesInvoiceView.cpp" line="49"/>
        <source> Sales Invoice No. </source>
        <translation> فاتورة المبيعات رقم </translation>
    </message>
</context>
<context>
    <name>frmSalesOrder</name>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="14"/>
        <source>Sales Order</source>
        <translation>أمر بيع</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="29"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;Add New Sales Order&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;إضافة أمر بيع جديد&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="46"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff5500;&quot;&gt;Edit Sales Order&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff5500;&quot;&gt;تعديل أمر بيع&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="72"/>
        <source>Create new invoice (F4)</source>
        <translation>إنشاء فاتورة جديدة (F4)</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="78"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="104"/>
        <source>Search all previous invoices (F5)</source>
        <translation>البحث في كل الفواتير السابقة (F5)</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="110"/>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="136"/>
        <source>Save current invoice (F6)</source>
        <translation>حفظ الفاتورة الحالية (F6)</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="142"/>
        <source>Save Order</source>
        <translation>حفظ الأمر</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="179"/>
        <source>Customer:</source>
        <translation>العميل:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="196"/>
        <source>Ship To:</source>
        <translation>الشحن إلى:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="235"/>
        <source>Sales Order No.:</source>
        <translation>رقم أمر البيع:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="252"/>
        <source>Sales Quote No.:</source>
        <translation>رقم عرض السعر:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="269"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="280"/>
        <source>Date:</source>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="300"/>
        <source>Ship date:</source>
        <translation>تاريخ الشحن:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="316"/>
        <source>Items</source>
        <translation>الأصناف</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="324"/>
        <source>Add Item (F3)</source>
        <translation>إضافة صنف (F3)</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="400"/>
        <source>Comment:</source>
        <translation>ملاحظة:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="419"/>
        <source>Subtotal:</source>
        <translation>المجموع الفرعي:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="442"/>
        <source>Freight:</source>
        <translation>الشحن:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="462"/>
        <source>Total:</source>
        <translation>الإجمالي:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="491"/>
        <source>Payment method:</source>
        <translation>طريقة الدفع:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="505"/>
        <source>Cash</source>
        <translation>نقدا</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="510"/>
        <source>Cheque</source>
        <translation>شيك</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="515"/>
        <source>Credit Card</source>
        <translation>بطاقة ائتمان</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="523"/>
        <source>Deposit:</source>
        <translation>العربون:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.ui" line="552"/>
        <source>Debt:</source>
        <translation>المتبقي:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.cpp" line="30"/>
        <source>this sales order</source>
        <translation>أمر البيع هذا</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.cpp" line="68"/>
        <source>&lt;Add New&gt;</source>
        <translation>&lt;إضافة جديد&gt;</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.cpp" line="144"/>
        <source>A stored order cannot be filled from a quote. Press New first.</source>
        <translation>لا يمكن ملء أمر محفوظ من عرض سعر. اضغط جديد أولا.</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.cpp" line="154"/>
        <source>No sales quote has this number.</source>
        <translation>لا يوجد عرض سعر بهذا الرقم.</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.cpp" line="181"/>
        <source>Select Customer</source>
        <translation>اختر العميل</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.cpp" line="195"/>
        <source>the chosen customer</source>
        <translation>العميل المختار</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrder.cpp" line="274"/>
        <source>QuoteDetailsId</source>
        <translation>رقم سطر العرض</translation>
    </message>
</context>
<context>
    <name>frmSalesOrderView</name>
    <message>
        <location filename="../sales/orders/frmSalesOrderView.ui" line="14"/>
        <source>View Sales Orders</source>
        <translation>عرض أوامر البيع</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrderView.ui" line="35"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrderView.ui" line="46"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrderView.cpp" line="35"/>
        <source>Sales Order No.</source>
        <translation>رقم أمر البيع</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrderView.cpp" line="35"/>
        <source>Customer</source>
        <translation>العميل</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrderView.cpp" line="35"/>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrderView.cpp" line="35"/>
        <source>Total</source>
        <translation>الإجمالي</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrderView.cpp" line="35"/>
        <source>Employee</source>
        <translation>الموظف</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrderView.cpp" line="36"/>
        <source>Comments</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesOrderView.cpp" line="49"/>
        <source> Sales Order No. </source>
        <translation> أمر البيع رقم </translation>
    </message>
</context>
<context>
    <name>frmSalesPayments</name>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="14"/>
        <source>Sales Payment</source>
        <translation>مقبوضات العملاء</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="20"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;Sales Payment&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;مقبوضات العملاء&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="32"/>
        <source>Customer:</source>
        <translation>العميل:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="55"/>
        <source>Show full paid invoices</source>
        <translation>عرض الفواتير المسددة بالكامل</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="62"/>
        <source>Payment Date:</source>
        <translation>تاريخ الدفع:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="94"/>
        <source>Invoice ID</source>
        <translation>معرّف الفاتورة</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="99"/>
        <source>Invoice No.</source>
        <translation>رقم الفاتورة</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="104"/>
        <source>Invoice Date</source>
        <translation>تاريخ الفاتورة</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="109"/>
        <source>Invoice Total</source>
        <translation>إجمالي الفاتورة</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="114"/>
        <source>Paid</source>
        <translation>المدفوع</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="119"/>
        <source>Debt</source>
        <translation>الباقي</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="124"/>
        <source>Payment Amount</source>
        <translation>مبلغ الدفعة</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="134"/>
        <source>Comment:</source>
        <translation>ملاحظة:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="156"/>
        <source>Total Debts:</source>
        <translation>إجمالي الباقي:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="170"/>
        <source>Payment Method:</source>
        <translation>طريقة الدفع:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="178"/>
        <source>Cash</source>
        <translation>نقدي</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="183"/>
        <source>Cheque</source>
        <translation>شيك</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="188"/>
        <source>Credit Card</source>
        <translation>بطاقة ائتمان</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="196"/>
        <source>Total Payments:</source>
        <translation>إجمالي الدفعات:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesPayments.ui" line="210"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
</context>
<context>
    <name>frmSalesProfit</name>
    <message>
        <location filename="../reports/financial/frmSalesProfit.ui" line="14"/>
        <source>Sales Profit</source>
        <translation>أرباح المبيعات</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmSalesProfit.ui" line="22"/>
        <source>From:</source>
        <translation>من:</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmSalesProfit.ui" line="33"/>
        <source>To:</source>
        <translation>إلى:</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmSalesProfit.ui" line="44"/>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmSalesProfit.ui" line="93"/>
        <source>Total Sales Income:</source>
        <translation>إجمالي إيراد المبيعات:</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmSalesProfit.ui" line="110"/>
        <source>Total Purchase Cost:</source>
        <translation>إجمالي تكلفة الشراء:</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmSalesProfit.ui" line="133"/>
        <source>Profit / Loss:</source>
        <translation>الربح / الخسارة:</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmSalesProfit.cpp" line="142"/>
        <source>Sales Invoice No.</source>
        <translation>رقم فاتورة المبيعات</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmSalesProfit.cpp" line="142"/>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmSalesProfit.cpp" line="142"/>
        <source>Item Name</source>
        <translation>اسم الصنف</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmSalesProfit.cpp" line="143"/>
        <source>Unit Of Measure</source>
        <translation>وحدة القياس</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmSalesProfit.cpp" line="143"/>
        <source>Price</source>
        <translation>السعر</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmSalesProfit.cpp" line="143"/>
        <source>Quantity</source>
        <translation>الكمية</translation>
    </message>
    <message>
        <location filename="../reports/financial/frmSalesProfit.cpp" line="143"/>
        <source>Purchase Price</source>
        <translation>سعر الشراء</translation>
    </message>
</context>
<context>
    <name>frmSalesQuote</name>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="14"/>
        <source>Sales Quote</source>
        <translation>عرض سعر</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="29"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;Add New Sales Quote&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;إضافة عرض سعر جديد&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="46"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff5500;&quot;&gt;Edit Sales Quote&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff5500;&quot;&gt;تعديل عرض سعر&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="72"/>
        <source>Create new invoice (F4)</source>
        <translation>إنشاء فاتورة جديدة (F4)</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="78"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="104"/>
        <source>Search all previous invoices (F5)</source>
        <translation>البحث في كل الفواتير السابقة (F5)</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="110"/>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="136"/>
        <source>Save current invoice (F6)</source>
        <translation>حفظ الفاتورة الحالية (F6)</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="142"/>
        <source>Save Quote</source>
        <translation>حفظ عرض السعر</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="179"/>
        <source>Customer:</source>
        <translation>العميل:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="196"/>
        <source>Ship To:</source>
        <translation>الشحن إلى:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="235"/>
        <source>Sales Quote No.:</source>
        <translation>رقم عرض السعر:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="252"/>
        <source>Date:</source>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="272"/>
        <source>Ship date:</source>
        <translation>تاريخ الشحن:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="286"/>
        <source>Expire date:</source>
        <translation>تاريخ الانتهاء:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="302"/>
        <source>Items</source>
        <translation>الأصناف</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="310"/>
        <source>Add Item (F3)</source>
        <translation>إضافة صنف (F3)</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="386"/>
        <source>Comment:</source>
        <translation>ملاحظة:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="405"/>
        <source>Subtotal:</source>
        <translation>المجموع الفرعي:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="428"/>
        <source>Freight:</source>
        <translation>الشحن:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.ui" line="448"/>
        <source>Total:</source>
        <translation>الإجمالي:</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.cpp" line="31"/>
        <source>this sales quote</source>
        <translation>عرض السعر هذا</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.cpp" line="66"/>
        <source>&lt;Add New&gt;</source>
        <translation>&lt;إضافة جديد&gt;</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.cpp" line="142"/>
        <source>the chosen customer</source>
        <translation>العميل المختار</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.cpp" line="174"/>
        <source>Select Customer</source>
        <translation>اختر العميل</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuote.cpp" line="219"/>
        <source>QuoteDetailsId</source>
        <translation>رقم سطر العرض</translation>
    </message>
</context>
<context>
    <name>frmSalesQuoteView</name>
    <message>
        <location filename="../sales/orders/frmSalesQuoteView.ui" line="14"/>
        <source>View Sales Quotes</source>
        <translation>عرض عروض الأسعار</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuoteView.ui" line="35"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuoteView.ui" line="46"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuoteView.cpp" line="37"/>
        <source>Sales Quote No.</source>
        <translation>رقم عرض السعر</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuoteView.cpp" line="37"/>
        <source>Customer</source>
        <translation>العميل</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuoteView.cpp" line="37"/>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuoteView.cpp" line="37"/>
        <source>Expire Date</source>
        <translation>تاريخ الانتهاء</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuoteView.cpp" line="37"/>
        <source>Total</source>
        <translation>الإجمالي</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuoteView.cpp" line="37"/>
        <source>Employee</source>
        <translation>الموظف</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuoteView.cpp" line="38"/>
        <source>Comments</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <location filename="../sales/orders/frmSalesQuoteView.cpp" line="51"/>
        <source> Sales Quote No. </source>
        <translation> عرض السعر رقم </translation>
    </message>
</context>
<context>
    <name>frmSalesRefund</name>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="6"/>
        <source>Sales Refund</source>
        <translation>مرتجع مبيعات</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="8"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;Make New Sales Refund&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;إنشاء مرتجع مبيعات جديد&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="11"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff5500;&quot;&gt;Edit Sales Refund&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff5500;&quot;&gt;تعديل مرتجع مبيعات&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="14"/>
        <source>Start a new refund (F4)</source>
        <translation>بدء مرتجع جديد (F4)</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="16"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="22"/>
        <source>Search the stored refunds (F5)</source>
        <translation>البحث في المرتجعات المحفوظة (F5)</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="24"/>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="30"/>
        <source>Save the current refund (F6)</source>
        <translation>حفظ المرتجع الحالي (F6)</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="32"/>
        <source>Save Refund</source>
        <translation>حفظ المرتجع</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="38"/>
        <source>Customer:</source>
        <translation>العميل:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="40"/>
        <source>Date:</source>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="40"/>
        <source>Invoices:</source>
        <translation>الفواتير:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="43"/>
        <source>Items</source>
        <translation>الأصناف</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="47"/>
        <source>Comment:</source>
        <translation>ملاحظات:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="47"/>
        <source>Subtotal:</source>
        <translation>المجموع الفرعي:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="50"/>
        <source>Payment method:</source>
        <translation>طريقة الدفع:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="52"/>
        <source>Cash</source>
        <translation>نقدي</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="53"/>
        <source>Cheque</source>
        <translation>شيك</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="54"/>
        <source>Credit Card</source>
        <translation>بطاقة ائتمان</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="55"/>
        <source>Freight:</source>
        <translation>الشحن:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="58"/>
        <source>Deposit:</source>
        <translation>المدفوع:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="61"/>
        <source>Total:</source>
        <translation>الإجمالي:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.ui" line="64"/>
        <source>Debt:</source>
        <translation>الباقي:</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.cpp" line="15"/>
        <source>Select Customer</source>
        <translation>اختر العميل</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.cpp" line="15"/>
        <source>Select Sales Invoice</source>
        <translation>اختر فاتورة المبيعات</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.cpp" line="16"/>
        <source>There is no quantity supplied for any of the items in the sales invoice, please supply the quantities you wish to refund</source>
        <translation>لم تُدخل كمية لأي صنف من أصناف فاتورة المبيعات، من فضلك أدخل الكميات التي تريد إرجاعها</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.cpp" line="18"/>
        <source>Expire Date</source>
        <translation>تاريخ الانتهاء</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefund.cpp" line="18"/>
        <source>Invoice Details ID</source>
        <translation>رقم تعريف سطر الفاتورة</translation>
    </message>
</context>
<context>
    <name>frmSalesRefundView</name>
    <message>
        <location filename="../sales/invoices/frmSalesRefundView.ui" line="14"/>
        <source>View Sales Refunds</source>
        <translation>عرض مرتجعات المبيعات</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefundView.ui" line="35"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefundView.ui" line="46"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefundView.cpp" line="42"/>
        <source>Customer Name</source>
        <translation>اسم العميل</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefundView.cpp" line="42"/>
        <source>Refunded By</source>
        <translation>بواسطة</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefundView.cpp" line="42"/>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefundView.cpp" line="42"/>
        <source>Subtotal</source>
        <translation>المجموع الفرعي</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefundView.cpp" line="42"/>
        <source>Freight</source>
        <translation>الشحن</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefundView.cpp" line="42"/>
        <source>Total</source>
        <translation>الإجمالي</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefundView.cpp" line="43"/>
        <source>Deposit Paid</source>
        <translation>المدفوع</translation>
    </message>
    <message>
        <location filename="../sales/invoices/frmSalesRefundView.cpp" line="43"/>
        <source>Comments</source>
        <translation>ملاحظات</translation>
    </message>
</context>
<context>
    <name>frmSettings</name>
    <message>
        <location filename="../app/frmSettings.ui" line="14"/>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="24"/>
        <source>Accounts</source>
        <translation>الحسابات</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="42"/>
        <source>Purchase</source>
        <translation>المشتريات</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="57"/>
        <source>Accounts Payable</source>
        <translation>حساب الدائنين</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="83"/>
        <source>Purchasing</source>
        <translation>حساب المشتريات</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="109"/>
        <source>Purchasing Refunds Account</source>
        <translation>حساب مرتجعات المشتريات</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="138"/>
        <location filename="../app/frmSettings.ui" line="179"/>
        <source>Sales</source>
        <translation>المبيعات</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="153"/>
        <source>Accounts Receivable</source>
        <translation>حساب المدينين</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="205"/>
        <source>Sales Refunds Account</source>
        <translation>حساب مرتجعات المبيعات</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="234"/>
        <source>Payroll</source>
        <translation>الرواتب</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="249"/>
        <source>Salary &amp; Wages</source>
        <translation>الرواتب والأجور</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="291"/>
        <source>Payment Method</source>
        <translation>طرق الدفع</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="306"/>
        <source>Safe</source>
        <translation>الخزينة</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="332"/>
        <source>Check Bank Account</source>
        <translation>حساب الشيكات البنكي</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="358"/>
        <source>Credit Card Account</source>
        <translation>حساب بطاقات الائتمان</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="388"/>
        <source>Interface</source>
        <translation>الواجهة</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="394"/>
        <source>Language:</source>
        <translation>اللغة:</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="428"/>
        <source>Show Discount and Tax in Invoices</source>
        <translation>إظهار الخصم والضريبة في الفواتير</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="449"/>
        <source>Backup</source>
        <translation>النسخ الاحتياطي</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="455"/>
        <source>Perform automatic backup each time the system is closed.</source>
        <translation>إجراء نسخ احتياطي تلقائي عند كل إغلاق للنظام.‏</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="462"/>
        <source>Automatic Backup Path</source>
        <translation>مسار النسخ الاحتياطي التلقائي</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="479"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.ui" line="516"/>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.cpp" line="19"/>
        <source>the default accounts</source>
        <translation>الحسابات الافتراضية</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.cpp" line="170"/>
        <source>Choose an account in every box of the Accounts tab.</source>
        <translation>اختر حساباً في كل خانة من صفحة الحسابات.</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.cpp" line="172"/>
        <source>The %1 box shows an account it no longer offers: one with accounts below it, or of another type. Choose another account and save again.</source>
        <translation>يعرض مربع %1 حسابًا لم يعد متاحًا للاختيار فيه: حسابًا تندرج تحته حسابات أخرى، أو حسابًا من نوع آخر. اختر حسابًا آخر ثم احفظ مرة أخرى.</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.cpp" line="242"/>
        <source>The settings could not be saved in the settings file.</source>
        <translation>تعذّر حفظ الإعدادات في ملف الإعدادات.</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.cpp" line="250"/>
        <source>UI language has changed, that requires the application to restart. Would you like to restart it now?</source>
        <translation>تغيّرت لغة الواجهة، ويتطلب ذلك إعادة تشغيل البرنامج. هل تريد إعادة تشغيله الآن؟</translation>
    </message>
    <message>
        <location filename="../app/frmSettings.cpp" line="254"/>
        <source>Zarpo could not be restarted. The new language applies at the next start.</source>
        <translation>تعذّرت إعادة تشغيل Zarpo. ستُطبَّق اللغة الجديدة عند التشغيل التالي.</translation>
    </message>
</context>
<context>
    <name>frmUOM</name>
    <message>
        <location filename="../items/frmUOM.ui" line="14"/>
        <source>Unit of Measures</source>
        <translation>وحدات القياس</translation>
    </message>
    <message>
        <location filename="../items/frmUOM.ui" line="20"/>
        <source>Unit of Measure:</source>
        <translation>وحدة القياس:</translation>
    </message>
    <message>
        <location filename="../items/frmUOM.ui" line="31"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../items/frmUOM.ui" line="38"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location filename="../items/frmUOM.ui" line="45"/>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <location filename="../items/frmUOM.cpp" line="16"/>
        <source>this unit of measure</source>
        <translation>وحدة القياس هذه</translation>
    </message>
</context>
<context>
    <name>frmUOMView</name>
    <message>
        <location filename="../items/frmUOMView.ui" line="14"/>
        <source>Unit of Measures View</source>
        <translation>عرض وحدات القياس</translation>
    </message>
    <message>
        <location filename="../items/frmUOMView.ui" line="35"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../items/frmUOMView.ui" line="42"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../items/frmUOMView.ui" line="49"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../items/frmUOMView.cpp" line="28"/>
        <source>UOM</source>
        <translation>الوحدة</translation>
    </message>
</context>
<context>
    <name>frmUserChangePassword</name>
    <message>
        <location filename="../partners/frmUserChangePassword.ui" line="14"/>
        <source>Change Password</source>
        <translation>تغيير كلمة المرور</translation>
    </message>
    <message>
        <location filename="../partners/frmUserChangePassword.ui" line="22"/>
        <source>Username:</source>
        <translation>اسم المستخدم:</translation>
    </message>
    <message>
        <location filename="../partners/frmUserChangePassword.ui" line="45"/>
        <source>Old password:</source>
        <translation>كلمة المرور القديمة:</translation>
    </message>
    <message>
        <location filename="../partners/frmUserChangePassword.ui" line="65"/>
        <source>New password:</source>
        <translation>كلمة المرور الجديدة:</translation>
    </message>
    <message>
        <location filename="../partners/frmUserChangePassword.ui" line="85"/>
        <source>Confirm password:</source>
        <translation>تأكيد كلمة المرور:</translation>
    </message>
    <message>
        <location filename="../partners/frmUserChangePassword.ui" line="109"/>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <location filename="../partners/frmUserChangePassword.cpp" line="54"/>
        <source>Password and its confirmation dosn&apos;t match</source>
        <translation>كلمة المرور وتأكيدها غير متطابقتين</translation>
    </message>
    <message>
        <location filename="../partners/frmUserChangePassword.cpp" line="68"/>
        <source>Invalid user</source>
        <translation>مستخدم غير صالح</translation>
    </message>
    <message>
        <location filename="../partners/frmUserChangePassword.cpp" line="72"/>
        <source>Incorrect password</source>
        <translation>كلمة المرور غير صحيحة</translation>
    </message>
</context>
<context>
    <name>frmUsers</name>
    <message>
        <location filename="../partners/frmUsers.ui" line="14"/>
        <source>Users</source>
        <translation>المستخدمون</translation>
    </message>
    <message>
        <location filename="../partners/frmUsers.ui" line="22"/>
        <source>Employee:</source>
        <translation>الموظف:</translation>
    </message>
    <message>
        <location filename="../partners/frmUsers.ui" line="39"/>
        <source>Username:</source>
        <translation>اسم المستخدم:</translation>
    </message>
    <message>
        <location filename="../partners/frmUsers.ui" line="49"/>
        <source>Password:</source>
        <translation>كلمة المرور:</translation>
    </message>
    <message>
        <location filename="../partners/frmUsers.ui" line="66"/>
        <source>Confirm password:</source>
        <translation>تأكيد كلمة المرور:</translation>
    </message>
    <message>
        <location filename="../partners/frmUsers.ui" line="87"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../partners/frmUsers.ui" line="94"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location filename="../partners/frmUsers.ui" line="101"/>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <location filename="../partners/frmUsers.cpp" line="38"/>
        <source>&lt;Add New&gt;</source>
        <translation>&lt;إضافة جديد&gt;</translation>
    </message>
    <message>
        <location filename="../partners/frmUsers.cpp" line="42"/>
        <source>Only active employees without a user are listed.</source>
        <translation>لا يُعرض هنا إلا الموظفون النشطون الذين ليس لهم مستخدم.</translation>
    </message>
    <message>
        <location filename="../partners/frmUsers.cpp" line="64"/>
        <source>Select employee</source>
        <translation>اختر الموظف</translation>
    </message>
    <message>
        <location filename="../partners/frmUsers.cpp" line="66"/>
        <source>Insert username</source>
        <translation>أدخل اسم المستخدم</translation>
    </message>
    <message>
        <location filename="../partners/frmUsers.cpp" line="70"/>
        <source>Password and its confirmation dosn&apos;t match</source>
        <translation>كلمة المرور وتأكيدها غير متطابقتين</translation>
    </message>
    <message>
        <location filename="../partners/frmUsers.cpp" line="99"/>
        <source>This username is already in use. Choose another one.</source>
        <translation>اسم المستخدم هذا مستعمل من قبل. اختر اسمًا آخر.</translation>
    </message>
</context>
<context>
    <name>frmUsersView</name>
    <message>
        <location filename="../partners/frmUsersView.ui" line="14"/>
        <source>View Users</source>
        <translation>عرض المستخدمين</translation>
    </message>
    <message>
        <location filename="../partners/frmUsersView.ui" line="35"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../partners/frmUsersView.ui" line="42"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../partners/frmUsersView.ui" line="49"/>
        <source>Change Password</source>
        <translation>تغيير كلمة المرور</translation>
    </message>
    <message>
        <location filename="../partners/frmUsersView.cpp" line="44"/>
        <source>Username</source>
        <translation>اسم المستخدم</translation>
    </message>
    <message>
        <location filename="../partners/frmUsersView.cpp" line="45"/>
        <source>Person Name</source>
        <translation>اسم الشخص</translation>
    </message>
    <message>
        <location filename="../partners/frmUsersView.cpp" line="71"/>
        <source>The last user cannot be deleted: nobody could log in any more.</source>
        <translation>لا يمكن حذف آخر مستخدم: لن يتمكن أحد من تسجيل الدخول بعد ذلك.</translation>
    </message>
</context>
<context>
    <name>frmVendors</name>
    <message>
        <location filename="../partners/frmVendors.ui" line="14"/>
        <source>Vendors</source>
        <translation>الموردون</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.ui" line="24"/>
        <source>Vendor name:</source>
        <translation>اسم المورد:</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.ui" line="44"/>
        <source>Contact Person Info:</source>
        <translation>بيانات جهة الاتصال:</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.ui" line="90"/>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.ui" line="100"/>
        <source>Street:</source>
        <translation>الشارع:</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.ui" line="110"/>
        <source>City, Province, Country:</source>
        <translation>المدينة، المحافظة، الدولة:</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.ui" line="120"/>
        <source>Phone:</source>
        <translation>الهاتف:</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.ui" line="130"/>
        <source>Last purchase was on:</source>
        <translation>آخر شراء كان في:</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.ui" line="151"/>
        <source>Active</source>
        <translation>نشط</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.ui" line="161"/>
        <source>Contact person:</source>
        <translation>جهة الاتصال:</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.ui" line="184"/>
        <source>Vendor since:</source>
        <translation>مورد منذ:</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.ui" line="201"/>
        <source>Revenu Acc No.</source>
        <translation>رقم حساب الإيرادات</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.ui" line="218"/>
        <source>Expenses Acc No.</source>
        <translation>رقم حساب المصروفات</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.ui" line="241"/>
        <source>Notes:</source>
        <translation>ملاحظات:</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.ui" line="261"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.ui" line="268"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.ui" line="275"/>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.cpp" line="28"/>
        <source>this vendor</source>
        <translation>هذا المورد</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.cpp" line="66"/>
        <location filename="../partners/frmVendors.cpp" line="85"/>
        <source>&lt;Add New&gt;</source>
        <translation>&lt;إضافة جديد&gt;</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.cpp" line="72"/>
        <source>Only revenue accounts without sub-accounts are listed.</source>
        <translation>لا تُعرض هنا إلا حسابات الإيرادات التي ليس لها حسابات فرعية.</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.cpp" line="78"/>
        <source>Only expense accounts without sub-accounts are listed.</source>
        <translation>لا تُعرض هنا إلا حسابات المصروفات التي ليس لها حسابات فرعية.</translation>
    </message>
    <message>
        <location filename="../partners/frmVendors.cpp" line="162"/>
        <source>Type the vendor&apos;s name.</source>
        <translation>اكتب اسم المورد.</translation>
    </message>
</context>
<context>
    <name>frmVendorsView</name>
    <message>
        <location filename="../partners/frmVendorsView.ui" line="14"/>
        <source>View Vendors</source>
        <translation>عرض الموردين</translation>
    </message>
    <message>
        <location filename="../partners/frmVendorsView.ui" line="20"/>
        <source>Show Inactive vendors</source>
        <translation>إظهار الموردين غير النشطين</translation>
    </message>
    <message>
        <location filename="../partners/frmVendorsView.ui" line="42"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../partners/frmVendorsView.ui" line="49"/>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../partners/frmVendorsView.ui" line="56"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../partners/frmVendorsView.cpp" line="27"/>
        <source>Vendor Name</source>
        <translation>اسم المورد</translation>
    </message>
    <message>
        <location filename="../partners/frmVendorsView.cpp" line="27"/>
        <source>Vendor Since</source>
        <translation>مورد منذ</translation>
    </message>
    <message>
        <location filename="../partners/frmVendorsView.cpp" line="27"/>
        <source>Notes</source>
        <translation>ملاحظات</translation>
    </message>
</context>
<context>
    <name>frmWarehouses</name>
    <message>
        <location filename="../items/frmWarehouses.ui" line="14"/>
        <source>Warehouse</source>
        <translation>مخزن</translation>
    </message>
    <message>
        <location filename="../items/frmWarehouses.ui" line="22"/>
        <source>Active</source>
        <translation>نشط</translation>
    </message>
    <message>
        <location filename="../items/frmWarehouses.ui" line="32"/>
        <source>Warehouse Name:</source>
        <translation>اسم المخزن:</translation>
    </message>
    <message>
        <location filename="../items/frmWarehouses.ui" line="42"/>
        <source>Street 1:</source>
        <translation>الشارع 1:</translation>
    </message>
    <message>
        <location filename="../items/frmWarehouses.ui" line="52"/>
        <source>Street 2:</source>
        <translation>الشارع 2:</translation>
    </message>
    <message>
        <location filename="../items/frmWarehouses.ui" line="62"/>
        <source>City:</source>
        <translation>المدينة:</translation>
    </message>
    <message>
        <location filename="../items/frmWarehouses.ui" line="72"/>
        <source>Province:</source>
        <translation>المحافظة:</translation>
    </message>
    <message>
        <location filename="../items/frmWarehouses.ui" line="82"/>
        <source>Country:</source>
        <translation>الدولة:</translation>
    </message>
    <message>
        <location filename="../items/frmWarehouses.ui" line="92"/>
        <source>Phone:</source>
        <translation>الهاتف:</translation>
    </message>
    <message>
        <location filename="../items/frmWarehouses.ui" line="102"/>
        <source>Fax:</source>
        <translation>الفاكس:</translation>
    </message>
    <message>
        <location filename="../items/frmWarehouses.ui" line="116"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location filename="../items/frmWarehouses.ui" line="123"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location filename="../items/frmWarehouses.ui" line="130"/>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <location filename="../items/frmWarehouses.cpp" line="15"/>
        <source>this warehouse</source>
        <translation>هذا المخزن</translation>
    </message>
</context>
<context>
    <name>wCustomerListFilter</name>
    <message>
        <location filename="../reports/trading/wCustomerListFilter.ui" line="6"/>
        <source>Customer List Report Filter</source>
        <translation>مرشح تقرير قائمة العملاء</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerListFilter.ui" line="12"/>
        <source>Customer List Report</source>
        <translation>تقرير قائمة العملاء</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerListFilter.ui" line="22"/>
        <source>Customer Name:</source>
        <translation>اسم العميل:</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerListFilter.ui" line="25"/>
        <location filename="../reports/trading/wCustomerListFilter.ui" line="34"/>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerListFilter.ui" line="25"/>
        <location filename="../reports/trading/wCustomerListFilter.ui" line="34"/>
        <location filename="../reports/trading/wCustomerListFilter.ui" line="43"/>
        <source>Contains</source>
        <translation>تحتوي على</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerListFilter.ui" line="31"/>
        <source>Contact Person:</source>
        <translation>الشخص المسؤول:</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerListFilter.ui" line="40"/>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
</context>
<context>
    <name>wCustomerSalesDetailedFilter</name>
    <message>
        <location filename="../reports/trading/wCustomerSalesDetailedFilter.ui" line="6"/>
        <source>Customer Sales Detailed Report Filter</source>
        <translation>مرشح تقرير مبيعات العملاء التفصيلية</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerSalesDetailedFilter.ui" line="12"/>
        <source>Customer Sales Detailed Report</source>
        <translation>تقرير مبيعات العملاء التفصيلية</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerSalesDetailedFilter.ui" line="22"/>
        <source>Customer Name</source>
        <translation>اسم العميل</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerSalesDetailedFilter.ui" line="25"/>
        <location filename="../reports/trading/wCustomerSalesDetailedFilter.ui" line="34"/>
        <location filename="../reports/trading/wCustomerSalesDetailedFilter.ui" line="73"/>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerSalesDetailedFilter.ui" line="25"/>
        <location filename="../reports/trading/wCustomerSalesDetailedFilter.ui" line="34"/>
        <location filename="../reports/trading/wCustomerSalesDetailedFilter.ui" line="73"/>
        <source>Contains</source>
        <translation>تحتوي على</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerSalesDetailedFilter.ui" line="31"/>
        <source>Warehouse</source>
        <translation>المخزن</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerSalesDetailedFilter.ui" line="40"/>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerSalesDetailedFilter.ui" line="43"/>
        <location filename="../reports/trading/wCustomerSalesDetailedFilter.ui" line="58"/>
        <source>From:</source>
        <translation>من:</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerSalesDetailedFilter.ui" line="49"/>
        <location filename="../reports/trading/wCustomerSalesDetailedFilter.ui" line="64"/>
        <source>To:</source>
        <translation>إلى:</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerSalesDetailedFilter.ui" line="55"/>
        <source>Ship Date</source>
        <translation>تاريخ الشحن</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerSalesDetailedFilter.ui" line="70"/>
        <source>Employee</source>
        <translation>الموظف</translation>
    </message>
</context>
<context>
    <name>wCustomerStatementOfAccountFilter</name>
    <message>
        <location filename="../reports/trading/wCustomerStatementOfAccountFilter.ui" line="6"/>
        <source>Customer Statement Of Account Report Filter</source>
        <translation>مرشح تقرير كشف حساب عميل</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerStatementOfAccountFilter.ui" line="12"/>
        <source>Customer Statement of Account Report</source>
        <translation>تقرير كشف حساب عميل</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerStatementOfAccountFilter.ui" line="22"/>
        <source>Customer Name:</source>
        <translation>اسم العميل:</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerStatementOfAccountFilter.ui" line="25"/>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerStatementOfAccountFilter.ui" line="25"/>
        <source>Contains</source>
        <translation>تحتوي على</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerStatementOfAccountFilter.ui" line="31"/>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerStatementOfAccountFilter.ui" line="34"/>
        <source>From:</source>
        <translation>من:</translation>
    </message>
    <message>
        <location filename="../reports/trading/wCustomerStatementOfAccountFilter.ui" line="40"/>
        <source>To:</source>
        <translation>إلى:</translation>
    </message>
</context>
<context>
    <name>wWarehouseInventory</name>
    <message>
        <location filename="../reports/financial/wWarehouseInventory.ui" line="14"/>
        <source>Warehouse Inventory</source>
        <translation>جرد المخزن</translation>
    </message>
    <message>
        <location filename="../reports/financial/wWarehouseInventory.ui" line="27"/>
        <source>&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;Warehouse Inventory&lt;/span&gt;</source>
        <translation>&lt;span style=&quot; font-size:12pt; font-weight:600; color:#005500;&quot;&gt;جرد المخزن&lt;/span&gt;</translation>
    </message>
    <message>
        <location filename="../reports/financial/wWarehouseInventory.ui" line="47"/>
        <source>Warehouse:</source>
        <translation>المخزن:</translation>
    </message>
    <message>
        <location filename="../reports/financial/wWarehouseInventory.cpp" line="30"/>
        <source>There is no warehouse to list.</source>
        <translation>لا يوجد مخزن لعرض جرده.</translation>
    </message>
</context>
</TS>
