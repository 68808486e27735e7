VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form Boxes
   Caption         =   "Boxes"
   ClientHeight    =   3000
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   4500
   Begin OpalineKit.txt_Opaline_opal Box1
      Height          =   315
      Left            =   150
      TabIndex        =   0
      Top             =   150
      Width           =   2250
      _ExtentX        =   3969
      _ExtentY        =   556
      Appearance      =   0
      Enabled         =   -1  'True
      ForeColor       =   255
      Locked          =   -1  'True
      PasswordChar    =   "*"
      Text            =   "Opal"
      ReturnText      =   "Opal"
   End
   Begin OpalineKit.txt_Opaline_opal Box2
      Height          =   315
      Left            =   150
      TabIndex        =   1
      Top             =   600
      Width           =   2070
      _ExtentX        =   3651
      _ExtentY        =   556
      Enabled         =   0   'False
      Locked          =   0   'False
      Text            =   ""
   End
   Begin OpalineKit.txt_Opaline_opal Box3
      Height          =   315
      Left            =   150
      TabIndex        =   2
      Top             =   1050
      Width           =   2070
      _ExtentX        =   3651
      _ExtentY        =   556
      Enabled         =   -1  'True
      Locked          =   0   'False
      ReturnText      =   "Kleiner fuchs (Standart)"
   End
   Begin OpalineKit.txt_Opaline_opal Box4
      Height          =   315
      Left            =   150
      TabIndex        =   3
      Top             =   1500
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   556
      Enabled         =   -1  'True
      Locked          =   0   'False
      Text            =   "Grüße ""zitiert"""
      ReturnText      =   "Grüße ""zitiert"""
   End
End
