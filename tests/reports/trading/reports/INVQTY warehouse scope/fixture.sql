UPDATE companyinfo SET CompanyName = 'Zarpo Trading', Address = '12 Tahrir Square, Cairo', Phone = '02 2345 6789';

-- The unit ids run against the units' size, so only the price puts them in order.
INSERT INTO uom (UOMId, UOM) VALUES (9, 'Carton'), (10, 'Piece'), (11, 'Box'), (12, 'Pre-pack');

-- 1 paper in three units; 2 a service; 3 without a price; 4 sold beyond stock; 5 without
-- a conversion from Case to Each; 6 a unit named with a hyphen; 7 in Arabic, one unit.
INSERT INTO items (ItemId, ItemNo, ItemName, TypeId) VALUES
  (1, 'P-100', 'Printer Paper <A4> & Co', 1),
  (2, 'S-1', 'Delivery Service', 2),
  (3, 'U-1', 'Unpriced Stapler', 1),
  (4, 'T-1', 'Toner', 1),
  (5, 'G-1', 'Glue', 1),
  (6, 'N-1', 'Notebook', 1),
  (7, 'A-1', 'أقلام حبر', 1);

-- Prices entered out of price order: the dearest unit first.
INSERT INTO itemprices (ItemId, PriceTypeId, UOMId, Price) VALUES
  (1, 1, 9, 300), (1, 3, 10, 3), (1, 1, 10, 2.50), (1, 1, 11, 25),
  (2, 1, 1, 50),
  (4, 1, 1, 40),
  (5, 1, 2, 10), (5, 1, 1, 1),
  (6, 1, 12, 4),
  (7, 1, 1, 5);

INSERT INTO itemuom (ItemId, BigUOMId, SmallUOMId, Variance) VALUES
  (1, 11, 10, 12), (1, 9, 11, 10);

-- Warehouse 1 (Main Store) is the one reported; everything in warehouse 2 is ignored.
INSERT INTO purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, Date, ShipToWarehouseID) VALUES
  (1, 'PI-1', '2013-05-01', 1), (2, 'PI-2', '2013-05-02', 2);
INSERT INTO purchaseinvoicedetails (PurchaseInvoiceId, ItemId, UOMId, Quantity, BasePrice) VALUES
  (1, 1, 9, 3, 280), (1, 1, 11, 5, 24), (1, 1, 10, 10, 2),
  (2, 1, 9, 100, 280),
  (1, 3, 1, 7, 9),
  (1, 4, 1, 2, 35),
  (1, 5, 1, 250, 1), (1, 5, 2, 3, 9),
  (1, 6, 12, 8, 3),
  (1, 7, 1, 20, 4);

INSERT INTO purchaserefund (PurchaseRefundId, PurchaseInvoiceId, Date) VALUES (1, 1, '2013-05-03'), (2, 2, '2013-05-03');
INSERT INTO purchaserefunddetails (PurchaseRefundId, ItemId, UOMId, Quantity) VALUES (1, 1, 10, 4), (2, 1, 9, 50);

INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, Date, WarehouseId) VALUES
  (1, 'SI-1', '2013-05-04', 1), (2, 'SI-2', '2013-05-04', 2);
INSERT INTO salesinvoicedetails (SalesInvoiceId, ItemId, UOMId, Quantity, Price) VALUES
  (1, 1, 9, 1, 300), (1, 1, 11, 2, 50),
  (2, 1, 10, 7, 21),
  (1, 4, 1, 5, 200),
  (1, 7, 1, 8, 40);

-- A sales refund counts in its invoice's warehouse.
INSERT INTO salesrefund (SalesRefundId, SalesInvoiceId, Date) VALUES (1, 1, '2013-05-05'), (2, 2, '2013-05-05');
INSERT INTO salesrefunddetails (SalesRefundId, ItemId, UOMId, Quantity) VALUES (1, 1, 11, 1), (2, 1, 10, 7);
