UPDATE companyinfo SET CompanyName = 'Zarpo Trading', Address = '12 Tahrir Square, Cairo', Phone = '02 2345 6789';

-- Bought 10 at 5, sold 4: 6 on hand, worth 30 at purchase price and 6 times the average
-- of its prices (8 and 9) at sales price. The average of 10 and 10.01 leaves a third
-- decimal that money rounds. The name reads like markup.
INSERT INTO items (ItemId, ItemNo, ItemName, TypeId) VALUES (1, 'P-100', 'Paper <A4> & Co', 1), (2, 'T-1', 'Toner', 1);
INSERT INTO itemprices (ItemId, PriceTypeId, UOMId, Price) VALUES (1, 1, 1, 8), (1, 3, 1, 9), (2, 1, 1, 10), (2, 3, 1, 10.01);
INSERT INTO purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, Date, ShipToWarehouseID) VALUES (1, 'PI-1', '2013-05-01', 1);
INSERT INTO purchaseinvoicedetails (PurchaseInvoiceId, ItemId, UOMId, Quantity, BasePrice) VALUES (1, 1, 1, 10, 5), (1, 2, 1, 1, 7.5);
INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, Date, WarehouseId) VALUES (1, 'SI-1', '2013-05-04', 1);
INSERT INTO salesinvoicedetails (SalesInvoiceId, ItemId, UOMId, Quantity, Price) VALUES (1, 1, 1, 4, 36);
